// The picture files: PNG pixels where the drawing says, SVG beside them.
#include "Hilfe.h"
#include "draw/FehlerGrafik.h"
#include "draw/qt/Bilder.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

using namespace skiora;
using namespace skiora::draw;
using namespace skiora::draw::test;

namespace {
QGuiApplication& App() {
    static int argc = 1;
    static char name[] = "test_draw_qt";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    return app;
}

std::string Pfad(const QTemporaryDir& d, const char* name) {
    return d.filePath(QString::fromLatin1(name)).toStdString();
}

QColor Pixel(const QImage& bild, Pos q) {
    return bild.pixelColor(static_cast<int>(q.x), static_cast<int>(q.y));
}
} // namespace

TEST(Png, StundenpunkteRotOderGruenAufWeiss) {
    App();
    auto u = Uhr();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    cli::Befehlszeile bz;
    bz.png = Pfad(dir, "uhr.png");
    bz.errorPng = Pfad(dir, "fehler.png");
    bz.svg = Pfad(dir, "uhr.svg");
    std::string fehler;
    ASSERT_TRUE(SchreibeBilder(*u, bz, fehler)) << fehler;

    QImage bild(QString::fromStdString(*bz.png));
    ASSERT_EQ(bild.size(), QSize(1000, 606));
    EXPECT_EQ(bild.pixelColor(960, 40), QColor(Qt::white));
    for (int k = 1; k <= (u->opt.StdBis - u->opt.StdVon) * u->p.Lph + 1; ++k)
        EXPECT_EQ(Pixel(bild, StundenPos(*u, k)),
                  k % u->p.Lph == 1 ? QColor(255, 0, 0) : QColor(0, 128, 0))
            << k;

    // The error chart: the red curve through its corner points.
    QImage chart(QString::fromStdString(*bz.errorPng));
    ASSERT_EQ(chart.size(), QSize(FehlerBildBreite, FehlerBildHoehe));
    AufzeichnungsLeinwand lw;
    const auto s = FehlerGrafik(*u, lw, FehlerBildBreite, FehlerBildHoehe);
    for (int d = 2; d <= 22; ++d) {
        const Pos q{FehlerBildBreite / 20 + Naechste(d * 0.87 * FehlerBildBreite / 24),
                    s.base + Naechste(Ablesefehler(u->p.Breit, u->p.RiseSet, d) * s.ys)};
        EXPECT_EQ(Pixel(chart, q), QColor(255, 0, 0)) << d;
    }

    std::ifstream svg(*bz.svg);
    std::string inhalt((std::istreambuf_iterator<char>(svg)), std::istreambuf_iterator<char>());
    EXPECT_NE(inhalt.find("Liberation Sans"), std::string::npos);
    // The SVG is the same drawing: rendered back, the noon mark is red there too.
    QSvgRenderer leser(QString::fromStdString(*bz.svg));
    ASSERT_TRUE(leser.isValid());
    QImage wieder(1000, 606, QImage::Format_RGB32);
    wieder.fill(Qt::white);
    {
        QPainter p(&wieder);
        leser.render(&p);
    }
    const QColor c = Pixel(wieder, StundenPos(*u, (12 - u->opt.StdVon) * u->p.Lph + 1));
    EXPECT_GT(c.red(), 200);
    EXPECT_LT(c.green(), 80);
}

TEST(Png, AnsichtUndGroesseAusDerBefehlszeile) {
    App();
    auto u = Uhr();
    QTemporaryDir dir;
    cli::Befehlszeile bz;
    bz.png = Pfad(dir, "breit.png");
    bz.groesse = {{2000, 400}};
    bz.ansicht = {{2.0, 30, -10}};
    std::string fehler;
    ASSERT_TRUE(SchreibeBilder(*u, bz, fehler)) << fehler;
    EXPECT_EQ(QImage(QString::fromStdString(*bz.png)).size(), QSize(660, 400));
    EXPECT_EQ(u->ansicht.Zoom, 2.0);
    EXPECT_EQ(u->rahmen.PlotCentreX, 330 + 30);

    bz.ansicht = {{0, 0, 0}};
    EXPECT_FALSE(SchreibeBilder(*u, bz, fehler));
    EXPECT_FALSE(fehler.empty());
    bz.ansicht.reset();
    bz.png = Pfad(dir, "fehlt/gibt-es-nicht.png");
    EXPECT_FALSE(SchreibeBilder(*u, bz, fehler));
}

// The picture files: PNG pixels where the drawing says, SVG beside them.
#include "core/Zahlen.h"
#include "draw/AufzeichnungsLeinwand.h"
#include "draw/FehlerGrafik.h"
#include "draw/Zeichnung.h"
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

namespace {
struct Bilder : ::testing::Test {
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "test_draw_qt";
        static char* argv[] = {name, nullptr};
        static QGuiApplication app(argc, argv);
    }
    Sonnenuhr u;
    QTemporaryDir dir;
    cli::Befehlszeile bz;
    std::string fehler;
    void SetUp() override {
        u.Abgeleitet();
        u.btGoClick();
    }
    std::string Pfad(const char* name) {
        return dir.filePath(QString::fromLatin1(name)).toStdString();
    }
};

QColor Pixel(const QImage& bild, Pos q) {
    return bild.pixelColor(static_cast<int>(q.x), static_cast<int>(q.y));
}
} // namespace

TEST_F(Bilder, StundenpunkteRotOderGruenAufWeissFehlerkurveRotSvgGleich) {
    bz.png = Pfad("uhr.png");
    bz.errorPng = Pfad("fehler.png");
    bz.svg = Pfad("uhr.svg");
    ASSERT_TRUE(SchreibeBilder(u, bz, fehler)) << fehler;

    const QImage bild(QString::fromStdString(*bz.png));
    ASSERT_EQ(bild.size(), QSize(1000, 606));
    EXPECT_EQ(bild.pixelColor(960, 40), QColor(Qt::white));
    auto stunde = [&](int k) {
        const auto& e = u.erg.StundenPunkte[static_cast<std::size_t>(k)];
        return Abbilden(u.rahmen.PlotCentreX, u.rahmen.PlotCentreY, u.rahmen.Massstab, e.x, e.y);
    };
    for (int k = 1; k <= (u.opt.StdBis - u.opt.StdVon) * u.p.Lph + 1; ++k)
        EXPECT_EQ(Pixel(bild, stunde(k)), k % u.p.Lph == 1 ? QColor(255, 0, 0) : QColor(0, 128, 0))
            << k;

    // The error chart: the red curve through its corner points.
    const QImage chart(QString::fromStdString(*bz.errorPng));
    ASSERT_EQ(chart.size(), QSize(FehlerBildBreite, FehlerBildHoehe));
    AufzeichnungsLeinwand lw;
    const auto s = FehlerGrafik(u, lw, FehlerBildBreite, FehlerBildHoehe);
    for (int d : {2, 12, 22}) {
        const Pos q{FehlerBildBreite / 20 + Naechste(d * 0.87 * FehlerBildBreite / 24),
                    s.base + Naechste(Ablesefehler(u.p.Breit, u.p.RiseSet, d) * s.ys)};
        EXPECT_EQ(Pixel(chart, q), QColor(255, 0, 0)) << d;
    }

    // The SVG is the same drawing, Arial mapped to Liberation Sans: rendered
    // back, the noon mark is red there too.
    std::ifstream svg(*bz.svg);
    const std::string inhalt{std::istreambuf_iterator<char>(svg), {}};
    EXPECT_NE(inhalt.find("Liberation Sans"), std::string::npos);
    QSvgRenderer leser(QString::fromStdString(*bz.svg));
    ASSERT_TRUE(leser.isValid());
    QImage wieder(1000, 606, QImage::Format_RGB32);
    wieder.fill(Qt::white);
    QPainter p(&wieder);
    leser.render(&p);
    p.end();
    const QColor c = Pixel(wieder, stunde((12 - u.opt.StdVon) * u.p.Lph + 1));
    EXPECT_TRUE(c.red() > 200 && c.green() < 80) << c.name().toStdString();
}

TEST_F(Bilder, AnsichtUndGroesseAusDerBefehlszeile) {
    bz.png = Pfad("breit.png");
    bz.groesse = {{2000, 400}}; // narrowed to 1.65 times the height
    bz.ansicht = {{2.0, 30, -10}};
    ASSERT_TRUE(SchreibeBilder(u, bz, fehler)) << fehler;
    EXPECT_EQ(QImage(QString::fromStdString(*bz.png)).size(), QSize(660, 400));
    EXPECT_EQ(u.ansicht.Zoom, 2.0);
    EXPECT_EQ(u.rahmen.PlotCentreX, 330 + 30);

    // A picture that cannot be written says so; the others are written.
    bz.ansicht.reset();
    bz.png = Pfad("fehlt/gibt-es-nicht.png");
    bz.errorPng = Pfad("fehler.png");
    u.sprache.Waehle(false);
    EXPECT_FALSE(SchreibeBilder(u, bz, fehler));
    EXPECT_EQ(fehler, "Cannot write the file " + *bz.png + ": the folder does not exist.");
    EXPECT_FALSE(QImage(QString::fromStdString(*bz.errorPng)).isNull());
}

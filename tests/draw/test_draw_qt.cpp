// The picture files: PNG pixels where the drawing says, SVG beside them.
// With SKIORA_DRAW_PNG=/dir the sample dials are also written there to look at.
#include "Hilfe.h"
#include "draw/AufzeichnungsLeinwand.h"
#include "draw/FehlerGrafik.h"
#include "draw/qt/Bilder.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>

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
    EXPECT_EQ(bild.pixelColor(900, 150), QColor(Qt::white));
    const int n = (u->opt.StdBis - u->opt.StdVon) * u->p.Lph + 1;
    for (int k = 1; k <= n; ++k) {
        const Pos q = StundenPos(*u, k);
        const QColor soll = k % u->p.Lph == 1 ? QColor(255, 0, 0) : QColor(0, 128, 0);
        EXPECT_EQ(bild.pixelColor(static_cast<int>(q.x), static_cast<int>(q.y)), soll) << k;
    }

    // The error chart: the red curve through its corner points.
    QImage chart(QString::fromStdString(*bz.errorPng));
    ASSERT_EQ(chart.size(), QSize(FehlerBildBreite, FehlerBildHoehe));
    AufzeichnungsLeinwand lw;
    const auto s = FehlerGrafik(*u, lw, FehlerBildBreite, FehlerBildHoehe);
    const int ax = FehlerBildBreite / 20;
    const double xs = 0.87 * FehlerBildBreite / 24;
    for (int d = 2; d <= 22; ++d) {
        const int x = ax + Naechste(d * xs);
        const int y = s.base + Naechste(Ablesefehler(u->p.Breit, u->p.RiseSet, d) * s.ys);
        EXPECT_EQ(chart.pixelColor(x, y), QColor(255, 0, 0)) << d;
    }

    std::ifstream svg(*bz.svg);
    std::string inhalt((std::istreambuf_iterator<char>(svg)), std::istreambuf_iterator<char>());
    EXPECT_NE(inhalt.find("<svg"), std::string::npos);
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
    const Pos mittag = StundenPos(*u, (12 - u->opt.StdVon) * u->p.Lph + 1);
    const QColor c = wieder.pixelColor(static_cast<int>(mittag.x), static_cast<int>(mittag.y));
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

// Not a check: writes the sample dials for a person to look at.
TEST(Png, BeispielbilderAufWunsch) {
    const char* ziel = std::getenv("SKIORA_DRAW_PNG");
    if (!ziel) GTEST_SKIP() << "SKIORA_DRAW_PNG not set";
    App();
    const std::vector<std::pair<const char*, std::function<void(Sonnenuhr&)>>> faelle = {
        {"standard", [](Sonnenuhr&) {}},
        {"analemma-konstruktion",
         [](Sonnenuhr& u) { u.anz.ChBRiseSetHaken = u.anz.ChBRiseSetAktiv = true; }},
        {"datumsskala", [](Sonnenuhr& u) { u.p.Arten = 0; }},
        {"split", [](Sonnenuhr& u) { u.rgArtenClick(2); }},
        {"sued",
         [](Sonnenuhr& u) {
             u.p.Breit = -35;
             u.p.Lang = -150;
             u.p.Zone = -150;
         }},
        {"verweigert",
         [](Sonnenuhr& u) {
             u.p.Incl = 10;
             u.p.GnomWinkel = 15;
         }},
        {"englisch-lph3",
         [](Sonnenuhr& u) {
             u.sprache.Waehle(false);
             u.p.Lph = 3;
         }},
    };
    for (const auto& [name, setzen] : faelle) {
        auto u = Uhr(false);
        setzen(*u);
        u->Abgeleitet();
        u->btGoClick();
        cli::Befehlszeile bz;
        bz.png = std::string(ziel) + "/" + name + ".png";
        bz.errorPng = std::string(ziel) + "/" + name + "-fehler.png";
        std::string fehler;
        EXPECT_TRUE(SchreibeBilder(*u, bz, fehler)) << fehler;
    }
}

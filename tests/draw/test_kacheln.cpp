// Full-size tiles: which sheets are printed, that neighbouring sheets agree
// where they overlap, the rulers, and the page limit.
#include "draw/AufzeichnungsLeinwand.h"
#include "draw/Kacheln.h"
#include "tests/modell/VierUhren.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace skiora::draw {
namespace {

Sonnenuhr Uhr(double halb) {
    Sonnenuhr u;
    u.p.Halb = halb;
    u.Modusumschaltung();
    u.opt.Bereit = true;
    u.btGoClick();
    return u;
}

bool Innen(const Kachelplan& p, const Kachel& k, double gx, double gy) {
    const double x = static_cast<double>(k.spalte) * p.stepX(),
                 y = static_cast<double>(k.zeile) * p.stepY();
    return gx >= x && gx <= x + p.breite && gy >= y && gy <= y + p.hoehe;
}

TEST(Kacheln, Namen) {
    EXPECT_EQ(SpaltenName(0), "A");
    EXPECT_EQ(SpaltenName(25), "Z");
    EXPECT_EQ(SpaltenName(26), "AA");
    EXPECT_EQ(SpaltenName(27 * 26), "AAA");
    EXPECT_EQ(KachelName(1, 2), "B3");
}

// Every piece of the dial lies on a printed sheet, and every printed sheet
// has a piece of it: checked on points along every element of the four dials.
TEST(Kacheln, JedesStueckAufEinemGedrucktenBlatt) {
    for (const auto& b : test::VierUhren()) {
        const modell::Modell m = modell::DialModell(*b.uhr);
        const Kachelplan p = KachelnPlanen(m, {5, A4(), false});
        ASSERT_FALSE(p.zuViele);
        ASSERT_FALSE(p.kacheln.empty());
        const Abbildung gitter{-p.westRand * p.s, p.nordRand * p.s, p.s};
        std::set<std::string> belegt;
        for (const modell::Element& e : m.elemente) {
            if (e.ebene == modell::Ebene::Rahmen) continue;
            for (const auto& zug : ElementZuege(e, gitter, 10))
                for (size_t i = 0; i < zug.size(); ++i) {
                    // Every millimetre of the segment to the next point.
                    const modell::Punkt a = zug[i], z = zug[std::min(i + 1, zug.size() - 1)];
                    const int n = 1 + static_cast<int>(std::hypot(z.x - a.x, z.y - a.y) / 100);
                    for (int j = 0; j < n; ++j) {
                        const double t = static_cast<double>(j) / n;
                        const double qx = a.x + t * (z.x - a.x), qy = a.y + t * (z.y - a.y);
                        bool gefunden = false;
                        for (const Kachel& k : p.kacheln)
                            if (Innen(p, k, qx, qy)) {
                                gefunden = true;
                                belegt.insert(k.name);
                            }
                        EXPECT_TRUE(gefunden) << b.name << " " << qx << "," << qy;
                    }
                }
        }
        EXPECT_EQ(belegt.size(), p.kacheln.size()) << b.name;
    }
}

// Where two sheets overlap they show the same dial point, and the crosses of
// one sheet's edge meet those of its neighbour: the pages fit together.
TEST(Kacheln, NachbarnDeckenSichImUeberlapp) {
    const Sonnenuhr u = Uhr(1.0);
    const modell::Modell m = modell::DialModell(u);
    const Kachelplan p = KachelnPlanen(m, {});
    // True size: 100000 units (of 0.01 mm) per metre at 1:1.
    EXPECT_DOUBLE_EQ(p.s, 100000);
    const Abbildung a = p.AbbildungFuer(3, 2), rechts = p.AbbildungFuer(4, 2),
                    unten = p.AbbildungFuer(3, 3);
    const double x = -0.2, y = 0.1;
    EXPECT_NEAR(a.px(x) - rechts.px(x), p.stepX(), 1e-6);
    EXPECT_NEAR(a.py(y), rechts.py(y), 1e-6);
    EXPECT_NEAR(a.py(y) - unten.py(y), p.stepY(), 1e-6);
    // The crosses at the middle of the overlap: the right edge of (3, 2) and the
    // left edge of (4, 2) name the same dial x.
    const double mitteLinks = (p.links + p.breite - Ueberlappung / 2.0 - a.x0) / a.s;
    const double mitteRechts = (p.links + Ueberlappung / 2.0 - rechts.x0) / rechts.s;
    EXPECT_NEAR(mitteLinks, mitteRechts, 1e-9);
    // A dial of a = 1 m needs fewer than a hundred and more than thirty sheets on A4.
    EXPECT_GT(p.kacheln.size(), 30u);
    EXPECT_LT(p.kacheln.size(), 100u);
}

TEST(Kacheln, SeitenMitLinealenUndNamen) {
    const Sonnenuhr u = Uhr(1.0);
    const modell::Modell m = modell::DialModell(u);
    const Kachelplan p = KachelnPlanen(m, {});
    const Seitensatz satz = KachelSeiten(m, p, 1, "Test");
    EXPECT_EQ(satz.seiten, static_cast<int>(p.kacheln.size()) + 1);
    EXPECT_EQ(satz.einheitenJeMm, 100);
    AufzeichnungsLeinwand lw;
    satz.zeichne(lw, 1);
    EXPECT_NE(lw.FindeText(p.kacheln[0].name), nullptr);
    EXPECT_NE(lw.FindeText("Maßstab 1:1   Seite 2 von " + std::to_string(satz.seiten)), nullptr);
    // The rulers: the long ticks of the 100 mm and the 4 in ruler.
    std::set<int> lang;
    for (const Operation* op : lw.Linien())
        if (op->x1 == op->x2 && op->y1 - op->y2 == 350) lang.insert(op->x1);
    ASSERT_EQ(lang.size(), 11u + 5u - 1u); // 0..10 cm, 0..4 in; both start at the same x
    EXPECT_TRUE(lang.count(*lang.begin() + 10000));
    EXPECT_EQ(*lang.rbegin() - *lang.begin(), 4 * 2540);
    // The map page shows every printed sheet's name.
    AufzeichnungsLeinwand karte;
    satz.zeichne(karte, 0);
    for (const Kachel& k : p.kacheln)
        EXPECT_NE(karte.FindeText(k.name), nullptr) << k.name;
}

TEST(Kacheln, DatumsteilUndGrenzen) {
    const Sonnenuhr u = Uhr(2.75);
    const Kachelplan uhr = KachelnPlanen(modell::DialModell(u), {});
    const Kachelplan datum = KachelnPlanen(modell::DatumsModell(u), {1, A4(), true});
    // The date strip is a fraction of the dial, and narrow.
    EXPECT_LT(datum.kacheln.size() * 3, uhr.kacheln.size());
    EXPECT_LT(datum.spalten * 5, uhr.spalten);
    // A3 holds more of the dial per sheet than A4.
    EXPECT_LT(KachelnPlanen(modell::DialModell(u), {1, *PapierNamens("A3"), false}).kacheln.size(),
              uhr.kacheln.size());
    // A dial of 100 m at 1:1 would need more than 2000 sheets: nothing laid out.
    const Kachelplan gross = KachelnPlanen(modell::DialModell(Uhr(100)), {});
    EXPECT_TRUE(gross.zuViele);
    EXPECT_TRUE(gross.kacheln.empty());
    EXPECT_EQ(KachelSeiten(modell::DialModell(Uhr(100)), gross, 1, "").seiten, 0);
    // ... and fits at 1:100.
    EXPECT_FALSE(KachelnPlanen(modell::DialModell(Uhr(100)), {100, A4(), false}).zuViele);
    // A refused dial has nothing to tile.
    Sonnenuhr schief = Uhr(2.75);
    schief.p.Incl = 87;
    schief.btGoClick();
    EXPECT_TRUE(KachelnPlanen(modell::DialModell(schief), {}).kacheln.empty());
}

} // namespace
} // namespace skiora::draw

// The layout sheet: its lengths, reference marks, noon times and lists, and
// the sheet read back from the recording canvas the way a builder reads it.
#include "core/Sonne.h"
#include "draw/AufzeichnungsLeinwand.h"
#include "report/Abstecken.h"
#include "report/Absteckplan.h"
#include "tests/modell/VierUhren.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <regex>

namespace skiora::report {
namespace {

TEST(Laengen, MeterUndFussZoll) {
    EXPECT_EQ(LaengeText(2.75, Einheit::Meter), "2.750 m");
    EXPECT_EQ(LaengeZahl(-0.0004, Einheit::Meter), "0.000"); // no "-0.000"
    EXPECT_EQ(LaengeZahl(-1.2345, Einheit::Meter), "-1.234");
    // 1 m = 39.370 in = 3 ft 3 3/8 in (to the sixteenth: 3.370 in -> 3 6/16).
    EXPECT_EQ(LaengeZahl(1.0, Einheit::FussZoll), "3' 3 3/8\"");
    // A carry through inches into feet: 11.99 in is 1 ft 0 in.
    EXPECT_EQ(LaengeZahl(11.99 * 0.0254, Einheit::FussZoll), "1' 0\"");
    EXPECT_EQ(LaengeZahl(-0.5 * 0.0254, Einheit::FussZoll), "-0' 0 1/2\"");
    EXPECT_EQ(LaengeZahl(0.0001, Einheit::FussZoll), "0' 0\"");
}

Sonnenuhr Uhr(void (*setzen)(Sonnenuhr&)) {
    Sonnenuhr u;
    setzen(u);
    u.Modusumschaltung();
    u.opt.Bereit = true;
    u.btGoClick();
    return u;
}

TEST(Absteckmasse, BezugspunkteUndDreieck) {
    const Sonnenuhr normal = Uhr([](Sonnenuhr&) {});
    const Absteckmasse m = AbsteckmasseBerechnen(normal, Einheit::Meter);
    const double a = 2.75, b = normal.Klein;
    EXPECT_NEAR(m.bezug.c, std::sqrt(a * a - b * b), 1e-12);
    EXPECT_EQ(m.bezug.F1.x, -m.bezug.c); // west
    EXPECT_NEAR(m.bezug.schlaufe, 2 * a + 2 * m.bezug.c, 1e-12);
    // The loop around F1, F2 and any hour point is 2a + 2c: the string check.
    for (const Stundenmarke& h : m.stunden)
        EXPECT_NEAR(std::hypot(h.x - m.bezug.F1.x, h.y) + std::hypot(h.x - m.bezug.F2.x, h.y) +
                        2 * m.bezug.c,
                    m.bezug.schlaufe, 1e-9);
    // 3-4-5 with k = 0.5 m: 3k fits the minor half axis, 4k the major one.
    EXPECT_DOUBLE_EQ(m.dreieck.k, 0.5);
    EXPECT_DOUBLE_EQ(m.dreieck.diagonale, 2.5);
    // In feet the triangle has round feet: k = 2 ft (6', 8', 10').
    EXPECT_NEAR(AbsteckmasseBerechnen(normal, Einheit::FussZoll).dreieck.k, 2 * 0.3048, 1e-12);

    // A southern dial has its noon end in the south.
    const Sonnenuhr sued = Uhr([](Sonnenuhr& u) { u.p.Breit = -33.9; });
    EXPECT_LT(AbsteckmasseBerechnen(sued, Einheit::Meter).bezug.N.y, 0);
    // A steep plane makes the minor axis the longer one: the foci go north-south.
    const Sonnenuhr steil = Uhr([](Sonnenuhr& u) { u.p.Incl = 60; });
    const Bezugspunkte s = AbsteckmasseBerechnen(steil, Einheit::Meter).bezug;
    ASSERT_GT(std::fabs(steil.Klein), steil.p.Halb);
    EXPECT_TRUE(s.brennpunkteNordSued);
    EXPECT_EQ(s.F1.x, 0);
    EXPECT_NEAR(s.schlaufe, 2 * std::fabs(steil.Klein) + 2 * s.c, 1e-12);
}

TEST(Absteckmasse, MittagFuerJedenSiebtenTag) {
    Sonnenuhr u = Uhr([](Sonnenuhr&) {});
    u.ort.HatSommerzeit = true;
    u.ort.SzBeginnTag = 31, u.ort.SzBeginnMonat = 3, u.ort.SzEndeTag = 27, u.ort.SzEndeMonat = 10;
    const Absteckmasse m = AbsteckmasseBerechnen(u, Einheit::Meter);
    ASSERT_EQ(m.mittag.size(), 53u);
    EXPECT_EQ(std::pair(m.mittag[1].tag, m.mittag[1].monat), std::pair(8, 1));
    EXPECT_EQ(std::pair(m.mittag.back().tag, m.mittag.back().monat), std::pair(31, 12));
    for (const MittagsZeile& mt : m.mittag) {
        // At the site (west of its zone meridian) the Sun stands due south then.
        const int n = TagNr(2002, mt.monat, mt.tag);
        const auto stand =
            SonnenStand(2002, n, true, u.p.Zone, u.p.Lang, u.p.Breit, mt.mittag.zonenzeit);
        EXPECT_NEAR(stand.azimut, 0, 0.02) << mt.tag << "." << mt.monat;
        EXPECT_EQ(mt.sommerzeit, n >= TagNr(2002, 3, 31) && n < TagNr(2002, 10, 27));
    }
}

TEST(Absteckmasse, DatumsmarkenJeArt) {
    for (const auto& b : test::VierUhren()) {
        const Sonnenuhr& u = *b.uhr;
        const Absteckmasse m = AbsteckmasseBerechnen(u, Einheit::Meter);
        const int anzahl = u.p.Anzahl;
        if (u.p.Arten == 0) {
            // The date scale: every mark on the north-south line.
            EXPECT_EQ(static_cast<int>(m.datum.size()), 12 * anzahl + (anzahl <= 2 ? 2 : 0));
            for (const Datumsmarke& d : m.datum)
                EXPECT_EQ(d.x, 0) << b.name;
        } else if (u.p.Arten == 1) {
            EXPECT_TRUE(m.analemma);
            EXPECT_EQ(m.datum.front().name, "21.Dez");
            EXPECT_EQ(m.datum.front().x, u.erg.DatumsPunkte[1].x);
        } else {
            EXPECT_TRUE(m.geteilt);
            ASSERT_EQ(static_cast<int>(m.nachmittag.size()), 12 * anzahl) << b.name;
            EXPECT_EQ(m.nachmittag[3].y, u.erg.SplitNach1[4].y);
            EXPECT_EQ(m.datum[3].brauchbar, u.erg.SplitVor1[4].usable);
        }
    }
}

// The sheet as a builder reads it: every row of the hour table (time, x, y,
// from C, from N, side), and the distance of N printed on the first page.
struct GelesenerPlan {
    double b = 0;
    struct Zeile {
        std::string zeit;
        double abC = 0, abN = 0;
        Seite seite = Seite::AufDerLinie;
    };
    std::vector<Zeile> zeilen;
    std::vector<std::string> texte;
};

GelesenerPlan Lesen(const Sonnenuhr& u) {
    GelesenerPlan g;
    const draw::Seitensatz satz = AbsteckplanSeiten(u, Einheit::Meter);
    const std::regex zeit(R"(^\d{1,2}:\d\d( \*)?$)"),
        nMarke(R"(N .*: ([0-9.]+) m (nördlich|südlich))");
    for (int s = 0; s < satz.seiten; ++s) {
        draw::AufzeichnungsLeinwand lw;
        satz.zeichne(lw, s);
        std::map<int, std::vector<const draw::Operation*>> reihen; // by y
        for (const draw::Operation* op : lw.Texte()) {
            g.texte.push_back(op->text);
            reihen[op->y1].push_back(op);
            std::smatch m;
            if (std::regex_search(op->text, m, nMarke))
                g.b = std::stod(m[1]) * (m[2] == "südlich" ? -1 : 1);
        }
        for (auto& [y, ops] : reihen) {
            std::sort(ops.begin(), ops.end(), [](auto* a, auto* b) { return a->x1 < b->x1; });
            if (ops.size() != 6 || !std::regex_match(ops[0]->text, zeit)) continue;
            const std::string& seite = ops[5]->text;
            g.zeilen.push_back({ops[0]->text, std::stod(ops[3]->text), std::stod(ops[4]->text),
                                seite == "West"
                                    ? Seite::West
                                    : (seite == "Ost" ? Seite::Ost : Seite::AufDerLinie)});
        }
    }
    return g;
}

TEST(Absteckplan, ZweiBaenderGebenJedenStundenpunktZurueck) {
    for (const auto& b : test::VierUhren()) {
        const Sonnenuhr& u = *b.uhr;
        const GelesenerPlan g = Lesen(u);
        const int n = (u.opt.StdBis - u.opt.StdVon) * u.p.Lph + 1;
        ASSERT_EQ(static_cast<int>(g.zeilen.size()), n) << b.name;
        EXPECT_NEAR(g.b, u.Klein, 0.0005) << b.name;
        for (int k = 1; k <= n; ++k) {
            const PunktZeit& p = u.erg.StundenPunkte[static_cast<size_t>(k)];
            const GelesenerPlan::Zeile& z = g.zeilen[static_cast<size_t>(k - 1)];
            const Ort2 o = Schnittpunkt(z.abC, z.abN, g.b, z.seite);
            // The tape from C is good to half a millimetre, the one from N to
            // one (N itself was set from a rounded length). Where the tapes
            // cross at an angle w that moves the crossing by up to
            // sqrt(e1² + e2² + 2 e1 e2 |cos w|) / sin w; 1 mm and less where
            // they cross well, more where the sheet marks a flat crossing.
            const double nenner = std::hypot(p.x, p.y) * std::hypot(p.x, p.y - u.Klein);
            // N itself (noon in local time) needs no crossing.
            const double kreuz =
                nenner < 1e-12 ? 1 : std::fabs(p.x * (p.y - u.Klein) - p.y * p.x) / nenner;
            const double cosw = std::sqrt(std::max(0.0, 1 - kreuz * kreuz));
            const double grenze =
                std::sqrt(0.25 + 1 + 2 * 0.5 * cosw) / std::max(kreuz, 1e-3) * 0.001 + 1e-9;
            EXPECT_EQ(z.zeit.back() == '*', kreuz < 0.5) << b.name << " " << z.zeit;
            EXPECT_LT(std::hypot(o.x - p.x, o.y - p.y), grenze) << b.name << " " << z.zeit;
        }
    }
}

TEST(Absteckplan, SommerzeitUndSpracheAufDemBlatt) {
    Sonnenuhr u = Uhr([](Sonnenuhr&) {});
    auto hat = [](const GelesenerPlan& g, const std::string& teil) {
        for (const std::string& t : g.texte)
            if (t.find(teil) != std::string::npos) return true;
        return false;
    };
    EXPECT_FALSE(hat(Lesen(u), "Sommerzeit"));
    u.ort.Name = "Zürich";
    u.ort.HatSommerzeit = true;
    u.ort.SzBeginnTag = 31, u.ort.SzBeginnMonat = 3, u.ort.SzEndeTag = 27, u.ort.SzEndeMonat = 10;
    const GelesenerPlan de = Lesen(u);
    EXPECT_TRUE(hat(de, "Ort: Zürich"));
    EXPECT_TRUE(hat(de, "31.03."));
    // 2 April, the first row on summer time, shows the watch's time.
    const MittagsZeile april = AbsteckmasseBerechnen(u, Einheit::Meter).mittag[13];
    ASSERT_EQ(std::pair(april.tag, april.monat), std::pair(2, 4));
    EXPECT_TRUE(hat(de, UhrzeitText(april.mittag.zonenzeit + 1)));
    u.sprache.Waehle(false);
    const GelesenerPlan en = Lesen(u);
    EXPECT_TRUE(hat(en, "From 31/03 to 27/10 summer time applies"));
    EXPECT_TRUE(hat(en, "Layout sheet"));
    EXPECT_FALSE(hat(en, "Absteckplan"));
}

TEST(Absteckplan, AbgelehnteUhrHatKeineSeiten) {
    const Sonnenuhr u = Uhr([](Sonnenuhr& u) { u.p.Incl = 87; });
    EXPECT_EQ(AbsteckplanSeiten(u, Einheit::Meter).seiten, 0);
}

} // namespace
} // namespace skiora::report

// Randomized checks: every accepted state survives a round trip, and no
// input at all can put an out-of-range value or a NaN into the document.
#include "config/Konfiguration.h"
#include "core/Sonnenuhr.h"

#include "core/Zahlen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <sstream>

using namespace skiora;
using config::KonfigurationLesen;
using config::KonfigurationSchreiben;
using config::LeseAbsender;

namespace {

std::mt19937 zufall;
double Gleich(double a, double b) {
    return std::uniform_real_distribution<double>(a, b)(zufall);
}
int Ganz(int a, int b) {
    return std::uniform_int_distribution<int>(a, b)(zufall);
}
std::string Bytes(int hoechstens) {
    std::string s(static_cast<size_t>(Ganz(0, hoechstens)), ' ');
    for (auto& c : s)
        c = static_cast<char>(Ganz(0, 255));
    return s;
}

// A state the window can reach through its input checks.
void ZufallsZustand(Sonnenuhr& u) {
    auto winkel = [](double grenze) {
        const double v = Ganz(0, 9) ? Gleich(-grenze, grenze) : std::round(Gleich(-grenze, grenze));
        return std::fabs(std::fabs(v) - 90) < 1e-7 ? std::copysign(89.9999999, v) : v;
    };
    DialParams& p = u.p;
    Optionen& o = u.opt;
    p.Jahr = Ganz(1700, 2100);
    p.Breit = Ganz(0, 20) ? winkel(90) : 89.9999999;
    if (std::fabs(p.Breit) < 0.005) p.Breit = 0.005;
    p.Lang = winkel(195);
    p.Zone = winkel(195);
    p.Incl = winkel(90);
    p.GnomWinkel = winkel(150) + 90;
    p.Hoehe = Gleich(0.0500001, 50);
    p.Halb = Gleich(0.06, Ganz(0, 3) ? 20 : 1e5);
    p.RiseSet = winkel(23.45);
    const int anzahl[] = {1, 2, 3, 6};
    p.Anzahl = anzahl[Ganz(0, 3)];
    p.Arten = Ganz(0, 2);
    p.Mittelwert = Ganz(0, 4);
    p.Zonenzeit = Ganz(0, 1);
    do {
        p.Lph = Ganz(1, 6);
        o.StdVon = Ganz(2, 20);
        o.StdBis = Ganz(5, 23);
    } while (!u.StundenBereichErlaubt(o.StdVon, o.StdBis, p.Lph));
    o.FehlVon = Ganz(4, 11);
    o.FehlBis = Ganz(13, 21);
    o.ExtraMonat = Ganz(1, 12);
    o.ExtraTag = Ganz(1, o.ExtraMonat == 2 ? 28 : 30);
    if (o.ExtraMonat == 2 && p.Jahr % 4 == 0 && p.Jahr % 100 != 0 && Ganz(0, 1)) o.ExtraTag = 29;
    char d[16];
    std::snprintf(d, sizeof d, "%02d/%02d", o.ExtraTag, o.ExtraMonat);
    o.ExtraDatumText = Ganz(0, 9) ? d : "  /  "; // a refused date leaves blanks
    o.DefaultWerte = Ganz(0, 1);
    u.sprache.Waehle(Ganz(0, 1));
    u.anz.ChBRiseSetHaken = Ganz(0, 1);
    o.Genau = Ganz(0, 1);
    for (int erste : {1, 3}) {
        const int zeilen = Ganz(1, 30); // the consumers need at least one hour
        for (int r = 1; r <= zeilen; ++r) {
            u.tab.StrGridEin.Setze(erste, r, ZahlText(6, 2, Gleich(4, 21)));
            const std::string zweite[] = {"", "1", ZahlText(6, 2, Gleich(0, 3))};
            u.tab.StrGridEin.Setze(erste + 1, r, zweite[Ganz(0, 2)]);
        }
    }
}

// Everything the reader may write stays inside what the window allows.
void PruefeBereiche(const Sonnenuhr& u) {
    const DialParams& p = u.p;
    const Optionen& o = u.opt;
    const double ueber005 = std::nextafter(0.05, 1), gross = std::numeric_limits<double>::max();
    // clang-format off
    const struct {
        const char* name;
        double wert, min, max;
    } bereiche[] = {
        {"Jahr", 1. * p.Jahr, 1700, 2100},       {"|Breit|", std::fabs(p.Breit), 0.005, 90},
        {"|Lang|", std::fabs(p.Lang), 0, 195},   {"|Zone|", std::fabs(p.Zone), 0, 195},
        {"|Incl|", std::fabs(p.Incl), 0, 90},    {"|GnomInc|", std::fabs(p.GnomWinkel - 90), 0, 150},
        {"Hoehe", p.Hoehe, ueber005, GroessteLaenge}, {"Halb", p.Halb, ueber005, GroessteLaenge},
        {"|RiseSet|", std::fabs(p.RiseSet), 0, 23.45}, {"Lph", 1. * p.Lph, 1, 6},
        {"Arten", 1. * p.Arten, 0, 2},           {"Mittelwert", 1. * p.Mittelwert, 0, 4},
        {"Zonenzeit", 1. * p.Zonenzeit, 0, 1},   {"StdVon", 1. * o.StdVon, 2, 20},
        {"StdBis", 1. * o.StdBis, 5, 23},        {"FehlVon", 1. * o.FehlVon, 4, 11},
        {"FehlBis", 1. * o.FehlBis, 13, 21},     {"ExtraMonat", 1. * o.ExtraMonat, 1, 12},
        {"ExtraTag", 1. * o.ExtraTag, 1, 31},    {"|SinGI|", std::fabs(u.SinGI), 1e-300, gross},
        {"Klein", u.Klein, -gross, gross}};
    // clang-format on
    for (const auto& b : bereiche)
        EXPECT_TRUE(b.wert >= b.min && b.wert <= b.max) << b.name << " = " << b.wert;
    EXPECT_TRUE(p.Anzahl == 1 || p.Anzahl == 2 || p.Anzahl == 3 || p.Anzahl == 6);
    EXPECT_TRUE(u.StundenBereichErlaubt(o.StdVon, o.StdBis, p.Lph));
}

// A line that is often almost right: valid numbers, edges, junk.
std::string ZufallsZeile() {
    // clang-format off
    static const char* const stuecke[] = {
        "", "0", "1", "2", "3", "5", "6", "7", "12", "23", "24", "90", "-90", "180", "241",
        "1e308", "1e999", "-0", "47,25", "x", "nan", "inf", "2004", "1650", "29/02", "31/04",
        "  /  ", "1/5", "jn", "j", "Deutsch", "7/8.5/17/", "12//", "7/8", "//", "0.05",
        "0.0500001", "-89.99999999", "65535", "-32769", "99999999999999999999", "+3", " 4 "};
    // clang-format on
    return Ganz(0, 4) ? stuecke[Ganz(0, static_cast<int>(std::size(stuecke)) - 1)] : Bytes(12);
}

} // namespace

TEST(KonfigZufall, EveryAcceptedStateSurvivesSaveLoadSave) {
    zufall.seed(20240601);
    for (int fall = 0; fall < 300; ++fall) {
        SCOPED_TRACE("case " + std::to_string(fall));
        Sonnenuhr a, b, c;
        ZufallsZustand(a);
        ZufallsZustand(c); // read over a document that held another dial, too
        const auto erste = KonfigurationSchreiben(a);
        auto e = KonfigurationLesen(b, LeseAbsender::Datenladen1, erste);
        ASSERT_EQ(e.status, config::LeseStatus::Gelesen) << "line " << e.zeile;
        ASSERT_EQ(KonfigurationSchreiben(b), erste);
        PruefeBereiche(b);
        KonfigurationLesen(c, LeseAbsender::Datenladen1, erste);
        ASSERT_EQ(KonfigurationSchreiben(c), erste) << "over another dial";
    }
}

TEST(KonfigZufall, ArbitraryInputKeepsEveryFieldInRangeAndTheTablesFinite) {
    zufall.seed(7);
    for (int fall = 0; fall < 3000 && !HasFailure(); ++fall) {
        SCOPED_TRACE("case " + std::to_string(fall));
        Sonnenuhr u;
        std::vector<std::string> zeilen;
        if (fall % 3 == 0) {
            // Raw bytes cut into lines the way a file is.
            std::istringstream roh(Bytes(300));
            for (std::string zeile; std::getline(roh, zeile);)
                zeilen.push_back(zeile);
        } else {
            // Mostly valid files with a few lines replaced.
            Sonnenuhr quelle;
            ZufallsZustand(quelle);
            zeilen = KonfigurationSchreiben(quelle);
            zeilen.resize(static_cast<size_t>(Ganz(0, 30)));
            for (int i = Ganz(0, 3); i > 0 && !zeilen.empty(); --i)
                zeilen[static_cast<size_t>(Ganz(0, static_cast<int>(zeilen.size()) - 1))] =
                    ZufallsZeile();
        }
        const auto absender = fall % 2 ? LeseAbsender::Hauptfenster : LeseAbsender::Datenladen1;
        KonfigurationLesen(u, absender, zeilen);
        u.Modusumschaltung();
        u.Abgeleitet();
        PruefeBereiche(u);
        // The split-analemma searches are slow: calculate a sample only.
        if (fall % 10 == 0 && (u.p.Arten < 2 || u.p.Mittelwert < 2 || fall % 50 == 0)) {
            u.btGoClick();
            for (const Gitter* g : {&u.tab.StrGridStd, &u.tab.StrGridShad, &u.tab.StrGridDat,
                                    &u.tab.StrGrid8, &u.tab.StrGrid8b, &u.tab.StrMittel})
                for (int r = 0; r < g->Zeilen(); ++r)
                    for (int c = 0; c < g->Spalten(); ++c) {
                        const std::string& t = g->Zelle(c, r);
                        ASSERT_TRUE(t.find("nan") == t.npos && t.find("inf") == t.npos) << t;
                    }
        }
    }
}

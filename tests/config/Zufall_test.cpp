// Randomized checks: every accepted state survives a round trip, and no
// input at all can put an out-of-range value or a NaN into the document.
#include "Hilfen.h"

#include "core/Zahlen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

using namespace skiora;
using config::KonfigurationLesen;
using config::KonfigurationSchreiben;
using config::LeseAbsender;

namespace {

double Gleich(std::mt19937& z, double a, double b) {
    return std::uniform_real_distribution<double>(a, b)(z);
}
int Ganz(std::mt19937& z, int a, int b) {
    return std::uniform_int_distribution<int>(a, b)(z);
}

// A state the window can reach through its input checks.
void ZufallsZustand(Sonnenuhr& u, std::mt19937& z) {
    auto winkel = [&](double grenze) {
        double v = Gleich(z, -grenze, grenze);
        if (Ganz(z, 0, 9) == 0) v = std::round(v);
        if (std::fabs(std::fabs(v) - 90) < 1e-7) v = v > 0 ? 89.9999999 : -89.9999999;
        return v;
    };
    u.p.Jahr = Ganz(z, 1700, 2100);
    u.p.Breit = winkel(90);
    if (std::fabs(u.p.Breit) < 0.005) u.p.Breit = 0.005;
    if (Ganz(z, 0, 20) == 0) u.p.Breit = 89.9999999;
    u.p.Lang = winkel(195);
    u.p.Zone = winkel(195);
    u.p.Incl = winkel(90);
    u.p.GnomInc = winkel(150);
    u.p.GnomWinkel = u.p.GnomInc + 90;
    u.p.Hoehe = Gleich(z, 0.0500001, 50);
    u.p.Halb = Ganz(z, 0, 3) == 0 ? Gleich(z, 0.06, 1e5) : Gleich(z, 0.06, 20);
    u.p.RiseSet = winkel(23.45);
    const int anzahl[] = {1, 2, 3, 6};
    u.p.Anzahl = static_cast<std::uint8_t>(anzahl[Ganz(z, 0, 3)]);
    u.p.Arten = static_cast<std::uint8_t>(Ganz(z, 0, 2));
    u.p.Mittelwert = static_cast<std::uint8_t>(Ganz(z, 0, 4));
    u.p.Zonenzeit = static_cast<std::uint8_t>(Ganz(z, 0, 1));
    do {
        u.p.Lph = static_cast<std::uint8_t>(Ganz(z, 1, 6));
        u.opt.StdVon = static_cast<std::int16_t>(Ganz(z, 2, 20));
        u.opt.StdBis = static_cast<std::int16_t>(Ganz(z, 5, 23));
    } while (!u.StundenBereichErlaubt(u.opt.StdVon, u.opt.StdBis, u.p.Lph));
    u.opt.FehlVon = static_cast<std::int16_t>(Ganz(z, 4, 11));
    u.opt.FehlBis = static_cast<std::int16_t>(Ganz(z, 13, 21));
    const int monat = Ganz(z, 1, 12);
    int tag = Ganz(z, 1, monat == 2 ? 28 : 30);
    if (monat == 2 && u.p.Jahr % 4 == 0 && u.p.Jahr % 100 != 0 && Ganz(z, 0, 1)) tag = 29;
    u.opt.ExtraTag = static_cast<std::int16_t>(tag);
    u.opt.ExtraMonat = static_cast<std::int16_t>(monat);
    char d[8];
    std::snprintf(d, sizeof d, "%02d/%02d", tag, monat);
    u.opt.ExtraDatumText = Ganz(z, 0, 9) == 0 ? "  /  " : d; // a refused date leaves blanks
    u.opt.DefaultWerte = Ganz(z, 0, 1);
    u.sprache.Waehle(Ganz(z, 0, 1));
    u.anz.ChBRiseSetHaken = Ganz(z, 0, 1);
    u.opt.Genau = Ganz(z, 0, 1);
    for (int erste : {1, 3}) {
        const int zeilen = Ganz(z, 1, 30); // the consumers need at least one hour
        for (int r = 1; r <= zeilen; ++r) {
            u.tab.StrGridEin.Setze(erste, r, ZahlText(6, 2, Gleich(z, 4, 21)));
            int art = Ganz(z, 0, 2);
            u.tab.StrGridEin.Setze(erste + 1, r,
                                   art == 0   ? ""
                                   : art == 1 ? "1"
                                              : ZahlText(6, 2, Gleich(z, 0, 3)));
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
        {"Hoehe", p.Hoehe, ueber005, gross},     {"Halb", p.Halb, ueber005, gross},
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
std::string ZufallsZeile(std::mt19937& z) {
    // clang-format off
    static const char* const stuecke[] = {
        "", "0", "1", "2", "3", "5", "6", "7", "12", "23", "24", "90", "-90", "180", "241",
        "1e308", "1e999", "-0", "47,25", "x", "nan", "inf", "2004", "1650", "29/02", "31/04",
        "  /  ", "1/5", "jn", "j", "Deutsch", "7/8.5/17/", "12//", "7/8", "//", "0.05",
        "0.0500001", "-89.99999999", "65535", "-32769", "99999999999999999999", "+3", " 4 "};
    // clang-format on
    if (Ganz(z, 0, 4) == 0) {
        std::string s(static_cast<size_t>(Ganz(z, 0, 12)), ' ');
        for (auto& c : s)
            c = static_cast<char>(Ganz(z, 0, 255));
        return s;
    }
    return stuecke[Ganz(z, 0, static_cast<int>(std::size(stuecke)) - 1)];
}

} // namespace

TEST(KonfigZufall, EveryAcceptedStateSurvivesSaveLoadSave) {
    std::mt19937 z(20240601);
    for (int fall = 0; fall < 300; ++fall) {
        Sonnenuhr a;
        ZufallsZustand(a, z);
        const auto erste = KonfigurationSchreiben(a);
        Sonnenuhr b;
        auto e = KonfigurationLesen(b, LeseAbsender::Datenladen1, erste);
        ASSERT_EQ(e.status, config::LeseStatus::Gelesen) << "case " << fall << " line " << e.zeile;
        ASSERT_EQ(KonfigurationSchreiben(b), erste) << "case " << fall;
        PruefeBereiche(b);
        // Also read over a document that held another dial.
        Sonnenuhr c;
        ZufallsZustand(c, z);
        KonfigurationLesen(c, LeseAbsender::Datenladen1, erste);
        ASSERT_EQ(KonfigurationSchreiben(c), erste) << "case " << fall << " over another dial";
    }
}

TEST(KonfigZufall, ArbitraryInputKeepsEveryFieldInRangeAndTheTablesFinite) {
    std::mt19937 z(7);
    for (int fall = 0; fall < 3000; ++fall) {
        Sonnenuhr u;
        std::vector<std::string> zeilen;
        if (fall % 3 == 0) {
            // Raw bytes cut into lines the way a file is.
            std::string roh(static_cast<size_t>(Ganz(z, 0, 300)), ' ');
            for (auto& c : roh)
                c = static_cast<char>(Ganz(z, 0, 255));
            for (size_t pos = 0, ende = 0; pos <= roh.size(); pos = ende + 1) {
                ende = std::min(roh.find('\n', pos), roh.size());
                zeilen.push_back(roh.substr(pos, ende - pos));
            }
        } else {
            // Mostly valid files with a few lines replaced.
            Sonnenuhr quelle;
            ZufallsZustand(quelle, z);
            zeilen = KonfigurationSchreiben(quelle);
            zeilen.resize(static_cast<size_t>(Ganz(z, 0, 30)));
            for (int i = Ganz(z, 0, 3); i > 0 && !zeilen.empty(); --i)
                zeilen[static_cast<size_t>(Ganz(z, 0, static_cast<int>(zeilen.size()) - 1))] =
                    ZufallsZeile(z);
        }
        const auto absender = fall % 2 ? LeseAbsender::Hauptfenster : LeseAbsender::Datenladen1;
        KonfigurationLesen(u, absender, zeilen);
        u.Modusumschaltung();
        u.Abgeleitet();
        PruefeBereiche(u);
        if (HasFailure()) {
            ADD_FAILURE() << "case " << fall;
            return;
        }
        // The split-analemma searches are slow: calculate a sample only.
        if (fall % 10 == 0 && (u.p.Arten < 2 || u.p.Mittelwert < 2 || fall % 50 == 0)) {
            u.btGoClick();
            for (const Gitter* g : {&u.tab.StrGridStd, &u.tab.StrGridShad, &u.tab.StrGridDat,
                                    &u.tab.StrGrid8, &u.tab.StrGrid8b, &u.tab.StrMittel})
                for (int r = 0; r < g->Zeilen(); ++r)
                    for (int c = 0; c < g->Spalten(); ++c) {
                        const std::string& t = g->Zelle(c, r);
                        ASSERT_TRUE(t.find("nan") == t.npos && t.find("inf") == t.npos)
                            << "case " << fall << ": " << t;
                    }
        }
    }
}

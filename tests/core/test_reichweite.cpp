#include "core/Reichweite.h"
#include "core/Sonne.h"
#include "core/Sonnenuhr.h"
#include "core/Zahlen.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace skiora;

namespace {

// A level dial with a vertical gnomon at latitude 50, a = 2.5 m, on the
// Greenwich meridian in local mean time, marks every hour from 6 to 18.
void Schulhof(Sonnenuhr& uhr, int arten = 0, int anzahl = 2) {
    uhr.p.Breit = 50;
    uhr.p.Lang = 0;
    uhr.p.Zone = 0;
    uhr.p.Halb = 2.5;
    uhr.p.Jahr = 2002;
    uhr.p.Arten = static_cast<std::uint8_t>(arten);
    uhr.p.Anzahl = static_cast<std::uint8_t>(anzahl);
    uhr.p.Lph = 1;
    uhr.opt.StdVon = 6;
    uhr.opt.StdBis = 18;
    uhr.opt.Bereit = true;
    uhr.btGoClick();
}

const ReichweiteFall* Fall(const ReichweiteJeHoehe& e, const std::string& datum, double zeit) {
    for (const auto& f : e.faelle)
        if (f.datum == datum && std::fabs(f.zeit - zeit) < 1e-9) return &f;
    return nullptr;
}

} // namespace

// Plain geometry on the equinox (declination 0, which the program takes
// within 0.3 degrees of it): the Sun's altitude follows from
// sin h = cos(phi) cos(t), and the shadow from the centre runs to the hour
// point (a sin t, a sin(phi) cos t) of the apparent hour angle t.
TEST(Schattenreichweite, OnTheEquinoxEveryShadowOfAPersonOf1_8mReachesTheEllipse) {
    Sonnenuhr uhr;
    Schulhof(uhr);
    const int N = TagNr(2002, 3, 20);
    const double phi = 50 * Rad, a = 2.5;
    int beiTag = 0;
    for (int T = 6; T <= 18; ++T) {
        const double E = SonnenDaten(2002, N + (T - 12) / 24.0).eot;
        const double t = (15 * (T - 12) + E) * Rad;
        const double x = a * std::sin(t), y = a * std::sin(phi) * std::cos(t);
        const PersonenSchatten s = SchattenEinerPerson(uhr, N, T, 0, 0, x, y);
        const double sinH = std::cos(phi) * std::cos(t);
        ASSERT_EQ(s.tag, sinH > 0) << T;
        if (!s.tag) continue;
        ++beiTag;
        EXPECT_NEAR(s.laenge, std::sqrt(1 - sinH * sinH) / sinH, 1e-4 * s.laenge) << T;
        EXPECT_NEAR(s.abstand, std::hypot(x, y), 1e-6) << T;
        EXPECT_GE(1.8 * s.laenge, s.abstand) << T;
    }
    // The equation of time (-7.5 min) keeps the Sun below the horizon at 6:00.
    EXPECT_EQ(beiTag, 12);
    // The document's own check says the same for its 21 March mark.
    Sonnenuhr drei;
    drei.reichweite.Hoehen = {1.8};
    Schulhof(drei, 0, 3);
    for (const auto& f : drei.reichweite.ergebnis[0].faelle)
        EXPECT_NE(f.datum, "21.Mar");
}

TEST(Schattenreichweite, AtTheJuneSolsticeTheNoonMarkIsOutOfReachOfAPersonOf1_8m) {
    Sonnenuhr uhr;
    uhr.reichweite.Hoehen = {1.2, 1.8};
    Schulhof(uhr);
    ASSERT_EQ(uhr.reichweite.ergebnis.size(), 2u);
    const ReichweiteJeHoehe& gross = uhr.reichweite.ergebnis[1];
    // Shadow 1.8 / tan(90 - 50 + 23.44) = 0.90 m; the date mark at
    // a tan(23.44) cos(50) = 0.70, the noon point at a sin(50) = 1.92.
    const ReichweiteFall* f = Fall(gross, "21.Jun", 12);
    ASSERT_NE(f, nullptr);
    EXPECT_NEAR(f->schatten, 0.90, 0.005);
    EXPECT_NEAR(f->abstand, 1.22, 0.005);
    EXPECT_TRUE(uhr.reichweite.zuKurz());
    // The smaller reader falls short more often; both shares count daylight marks only.
    EXPECT_GT(uhr.reichweite.ergebnis[0].zuKurz(), gross.zuKurz());
    EXPECT_EQ(uhr.reichweite.ergebnis[0].marken, gross.marken);
    EXPECT_LT(gross.marken, 26 * 13);

    // The table: a summary row per height, then the shortfalls.
    const Gitter g = ReichweiteGitter(uhr.reichweite, 1);
    EXPECT_EQ(g.Zelle(0, 0), "Höhe (m)");
    EXPECT_EQ(g.Zelle(0, 2), "1.80");
    EXPECT_EQ(g.Zelle(2, 2), std::to_string(gross.zuKurz()));
    EXPECT_EQ(g.Zelle(1, 4), "Datum");
    bool gefunden = false;
    for (int r = 5; r < g.Zeilen(); ++r)
        gefunden |= g.Zelle(0, r) == "1.80" && g.Zelle(1, r) == "21.Jun" &&
                    g.Zelle(2, r) == " 12:00" && g.Zelle(3, r) == "0.90" && g.Zelle(4, r) == "1.22";
    EXPECT_TRUE(gefunden);
    EXPECT_EQ(g.Zeilen(), 5 + uhr.reichweite.ergebnis[0].zuKurz() + gross.zuKurz());
    const std::string warnung = ReichweiteWarnText(uhr.reichweite, 2);
    EXPECT_EQ(warnung.rfind("Readers' shadows too short: 1.20 m at ", 0), 0u) << warnung;
    EXPECT_NE(warnung.find(" % of the marks, 1.80 m at "), std::string::npos) << warnung;
}

// Every length of the dial scales with its half axis, the shadows do not: the
// suggested largest half axis is exactly where the first mark falls short.
TEST(Schattenreichweite, TheSuggestedHalfAxisIsTheLargestAtWhichEveryMarkIsReached) {
    Sonnenuhr uhr;
    uhr.reichweite.Hoehen = {1.8, 1.2};
    Schulhof(uhr);
    const double amax = uhr.reichweite.ergebnis[0].groessteHalbachse;
    // The June noon mark binds: 2.5 * 0.90 / 1.22.
    EXPECT_NEAR(amax, 1.845, 0.01);
    const std::string vorschlag = ReichweiteVorschlagText(uhr.reichweite, 1);
    EXPECT_NE(vorschlag.find(ZahlText(2, 2, uhr.reichweite.ergebnis[1].groessteHalbachse) +
                             " m, dann erreicht der Schatten jeder Person ab 1.20 m"),
              std::string::npos)
        << vorschlag;
    EXPECT_NE(vorschlag.find("Bis " + ZahlText(2, 2, amax) + " m genügt es für Personen ab 1.80 m"),
              std::string::npos)
        << vorschlag;

    uhr.p.Halb = amax * 0.999;
    uhr.btGoClick();
    EXPECT_EQ(uhr.reichweite.ergebnis[0].zuKurz(), 0);
    EXPECT_EQ(ReichweiteWarnText(uhr.reichweite, 1).find("1.80"), std::string::npos);
    uhr.p.Halb = amax * 1.01;
    uhr.btGoClick();
    EXPECT_GT(uhr.reichweite.ergebnis[0].zuKurz(), 0);
}

// In the tropics summer date marks lie outside the ellipse, and the shadow
// line crosses it twice; the reading is at the crossing of the hour point.
TEST(Schattenreichweite, InTheTropicsTheNearCrossingOfTheNoonPointCounts) {
    Sonnenuhr uhr;
    Schulhof(uhr);
    uhr.p.Breit = 10;
    uhr.btGoClick();
    const double a = 2.5, b = a * std::sin(10 * Rad);
    const int N = TagNr(2002, 6, 21);
    const double E = SonnenDaten(2002, N).eot;
    const double yd = a * std::tan(SonnenDaten(2002, N).dekl * Rad) * std::cos(10 * Rad);
    ASSERT_GT(yd, b);
    // At true noon the Sun stands north of the zenith and the shadow points
    // south, through the noon point (0, b) first.
    const PersonenSchatten s = SchattenEinerPerson(uhr, N, 12 - E / 15, 0, yd, 0, b);
    ASSERT_TRUE(s.tag);
    EXPECT_NEAR(s.abstand, yd - b, 1e-3);
    // The same line read at the far crossing would be the midnight point.
    EXPECT_NEAR(SchattenEinerPerson(uhr, N, 12 - E / 15, 0, yd, 0, -b).abstand, yd + b, 1e-3);
    // A date mark outside the ellipse can also see the shadow pass it by,
    // near the tangent: too short for every height, and said so.
    const ReichweiteJeHoehe& e = uhr.reichweite.ergebnis[0];
    ASSERT_GT(e.verfehlt, 0);
    EXPECT_EQ(uhr.reichweite.ergebnis[1].verfehlt, e.verfehlt);
    EXPECT_NE(ReichweiteVorschlagText(uhr.reichweite, 2)
                  .find(" " + std::to_string(e.verfehlt) + " marks are reached at no size"),
              std::string::npos);
    // None of that at latitude 50.
    uhr.p.Breit = 50;
    uhr.btGoClick();
    EXPECT_EQ(uhr.reichweite.ergebnis[0].verfehlt, 0);
}

TEST(Schattenreichweite, HeightsOutsideHalfAMetreToTwoAndAHalfOrNotNumbersAreRefused) {
    EXPECT_EQ(LeserhoehenLesen({"1.2", " 1,8 ", "", ""}), (std::vector<double>{1.2, 1.8}));
    EXPECT_EQ(LeserhoehenLesen({"0.5", "2.5"}), (std::vector<double>{0.5, 2.5}));
    for (const std::vector<std::string>& falsch :
         std::vector<std::vector<std::string>>{{"0.49"},
                                               {"2.51"},
                                               {"1.2", "zwei"},
                                               {"", " "},
                                               {"nan"},
                                               {"inf"},
                                               {"1e400"},
                                               {"1", "1", "1", "1", "1"}})
        EXPECT_FALSE(LeserhoehenLesen(falsch)) << falsch[0];

    Sonnenuhr uhr;
    SammelMelder melder;
    uhr.setzeMelder(&melder);
    EXPECT_FALSE(LeserhoehenSetzen(uhr, {"1.5", "3"}));
    ASSERT_EQ(melder.eintraege.size(), 1u);
    EXPECT_NE(melder.eintraege[0].text.find("0.5 bis 2.5"), std::string::npos);
    EXPECT_EQ(uhr.reichweite.Hoehen, (std::vector<double>{1.2, 1.8}));
    EXPECT_TRUE(LeserhoehenSetzen(uhr, {"1.5", "", "2.1"}));
    EXPECT_EQ(uhr.reichweite.Hoehen, (std::vector<double>{1.5, 2.1}));
    EXPECT_EQ(uhr.reichweite.ergebnis.size(), 2u);
}

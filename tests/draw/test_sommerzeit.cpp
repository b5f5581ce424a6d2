// The summer-time numbers on the picture: one inside the ellipse beside every
// full-hour point, an hour later and in their own colour, and the legend.
#include "core/Sonnenuhr.h"
#include "draw/AufzeichnungsLeinwand.h"
#include "draw/Zeichnung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

using namespace skiora;
using namespace skiora::draw;

namespace {

// Berlin's dial in 2024, as the site layer leaves the document.
Sonnenuhr& Berlin(Sonnenuhr& u, bool sommerzeit) {
    u.p.Jahr = 2024;
    u.p.Breit = 52.52;
    u.p.Lang = -13.41;
    u.p.Zone = -15;
    u.p.Zonenzeit = 1;
    u.ort = {"Berlin, Deutschland", "Europe/Berlin", sommerzeit, true, 31, 3, 27, 10, 1.0};
    u.Abgeleitet();
    u.btGoClick();
    return u;
}

std::vector<const Operation*> Blau(const AufzeichnungsLeinwand& lw) {
    std::vector<const Operation*> r;
    for (const auto* t : lw.Texte())
        if (t->schrift.farbe == farben::Sommerzeit) r.push_back(t);
    return r;
}

TEST(Sommerzeit, EveryFullHourHasItsNumberInsideTheEllipse) {
    Sonnenuhr u;
    Berlin(u, true);
    AufzeichnungsLeinwand lw;
    Ziel z;
    z.Breite = 1000;
    z.Hoehe = 606;
    ZeichneUhr(u, lw, z);
    const auto blau = Blau(lw);
    const int lph = u.p.Lph;
    const int n = (u.opt.StdBis - u.opt.StdVon) * lph + 1;
    const int cx = u.rahmen.PlotCentreX, cy = u.rahmen.PlotCentreY;
    int zahlen = 0;
    for (int k = 1; k <= n; k += lph) {
        const PunktZeit& e = u.erg.StundenPunkte[static_cast<std::size_t>(k)];
        const std::string soll = std::to_string((static_cast<int>(std::lround(e.zeit)) + 1) % 24);
        const int px = cx + static_cast<int>(std::lround(e.x * u.rahmen.Massstab));
        const int py = cy - static_cast<int>(std::lround(e.y * u.rahmen.Massstab));
        // The nearest blue text to the point must be its own number, nearer the centre.
        const Operation* naechste = nullptr;
        double best = 1e9;
        for (const auto* t : blau) {
            const double mx = t->x1 + lw.TextWidth(t->text) / 2.0;
            const double my = t->y1 + lw.TextHeight(t->text) / 2.0;
            const double d = std::hypot(mx - px, my - py);
            if (d < best) best = d, naechste = t;
        }
        ASSERT_NE(naechste, nullptr);
        EXPECT_EQ(naechste->text, soll) << "hour " << e.zeit;
        EXPECT_LT(best, 30) << soll;
        const double mx = naechste->x1 + lw.TextWidth(soll) / 2.0;
        const double my = naechste->y1 + lw.TextHeight(soll) / 2.0;
        EXPECT_LT(std::hypot(mx - cx, my - cy), std::hypot(px - cx, py - cy)) << soll;
        ++zahlen;
    }
    EXPECT_EQ(zahlen, 17); // 5 to 21
    // No other numbers; the rest is the legend, under the place's name.
    std::string legende;
    int weitere = 0;
    for (const auto* t : blau) {
        if (t->text.find_first_not_of("0123456789:") == std::string::npos)
            ++weitere;
        else
            legende += t->text + " ";
    }
    EXPECT_EQ(weitere, 17);
    EXPECT_NE(legende.find("31. Mar bis 26. Okt 2024"), std::string::npos) << legende;
    // The name above the legend; both drawn before any hour number, whose
    // box would otherwise be hidden under theirs.
    const auto texte = lw.Texte();
    const auto zuerst = [&](auto passt) {
        return std::find_if(texte.begin(), texte.end(), passt) - texte.begin();
    };
    const auto name = zuerst([](const Operation* t) { return t->text == "Berlin, Deutschland"; });
    const auto legende1 = zuerst([](const Operation* t) {
        return t->schrift.farbe == farben::Sommerzeit && t->text.find(' ') != std::string::npos;
    });
    const auto zahl1 = zuerst([](const Operation* t) {
        return !t->text.empty() && t->text.find_first_not_of("0123456789") == std::string::npos;
    });
    ASSERT_LT(name, static_cast<std::ptrdiff_t>(texte.size()));
    EXPECT_LT(texte[name]->y1, texte[legende1]->y1);
    EXPECT_LT(legende1, zahl1);
}

TEST(Sommerzeit, NoBlueWithoutTheOptionAndNoNameOnPaper) {
    Sonnenuhr u;
    Berlin(u, false);
    AufzeichnungsLeinwand lw;
    Ziel z;
    z.Breite = 1000;
    z.Hoehe = 606;
    ZeichneUhr(u, lw, z);
    EXPECT_TRUE(Blau(lw).empty());
    EXPECT_NE(lw.FindeText("Berlin, Deutschland"), nullptr);

    Berlin(u, true);
    lw.Leeren();
    Ziel papier;
    papier.modus = Modus::Papier;
    papier.Breite = 2820;
    papier.Hoehe = 1709;
    papier.SeiteHoehe = 1998;
    ZeichneUhr(u, lw, papier);
    EXPECT_EQ(lw.FindeText("Berlin, Deutschland"), nullptr); // the title names it
    EXPECT_EQ(Blau(lw).size(), 18u); // 17 numbers and the legend in one line
}

} // namespace

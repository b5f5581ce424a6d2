// The true-size model: where its elements lie is where every true-size
// writer puts them, so these checks stand for the geometry of all of them.
#include "modell/Modell.h"
#include "VierUhren.h"
#include "core/Zahlen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

using namespace skiora;
using namespace skiora::modell;

namespace {

template <class T> std::vector<std::pair<const Element*, const T*>> Alle(const Modell& m, Ebene e) {
    std::vector<std::pair<const Element*, const T*>> v;
    for (const Element& el : m.elemente)
        if (el.ebene == e)
            if (const T* f = std::get_if<T>(&el.form)) v.push_back({&el, f});
    return v;
}

int StundenAnzahl(const Sonnenuhr& u) {
    return (u.opt.StdBis - u.opt.StdVon) * u.p.Lph + 1;
}

int Eintraege(const DatumsFeld& f) {
    int n = 0;
    while (!f[static_cast<std::size_t>(n + 1)].name.empty())
        ++n;
    return n;
}

} // namespace

TEST(Modell, HourPointsSitOnTheHourTableAndEverythingInsideTheFrame) {
    const Vorgaben opt{0.03, 0.025};
    for (const auto& [name, uhr] : test::VierUhren()) {
        SCOPED_TRACE(name);
        ASSERT_EQ(uhr->Status, 0);
        const Modell m = DialModell(*uhr, opt);
        ASSERT_FALSE(m.verweigert);

        // Every hour point once, exactly at its table entry, full and part
        // hours on their own layers.
        std::map<int, Punkt> mitten;
        for (Ebene e : {Ebene::Stundenpunkte, Ebene::Teilstunden})
            for (const auto& [el, k] : Alle<Kreis>(m, e)) {
                EXPECT_DOUBLE_EQ(k->radius, 0.015);
                EXPECT_TRUE(mitten.emplace(el->index, k->mitte).second) << el->index;
                EXPECT_EQ(e == Ebene::Stundenpunkte, (el->index - 1) % uhr->p.Lph == 0);
            }
        ASSERT_EQ(static_cast<int>(mitten.size()), StundenAnzahl(*uhr));
        for (const auto& [k, p] : mitten) {
            const PunktZeit& soll = uhr->erg.StundenPunkte[static_cast<std::size_t>(k)];
            EXPECT_EQ(p.x, soll.x);
            EXPECT_EQ(p.y, soll.y);
        }

        // The frame is the extent and holds every element.
        ASSERT_EQ(m.elemente.front().ebene, Ebene::Rahmen);
        const Rechteck r = Ausdehnung(m.elemente.front());
        EXPECT_DOUBLE_EQ(r.xmin, m.ausdehnung.xmin);
        EXPECT_DOUBLE_EQ(r.ymax, m.ausdehnung.ymax);
        for (const Element& e : m.elemente) {
            const Rechteck a = Ausdehnung(e);
            EXPECT_TRUE(m.ausdehnung.enthaelt({a.xmin, a.ymin}, 1e-12) &&
                        m.ausdehnung.enthaelt({a.xmax, a.ymax}, 1e-12))
                << Info(e.ebene).name << " " << e.index;
        }
    }
}

TEST(Modell, DateMarksWhereTheDateTableSays) {
    for (const auto& [name, uhr] : test::VierUhren()) {
        SCOPED_TRACE(name);
        const Modell m = DialModell(*uhr);
        int marken = 0;
        switch (uhr->p.Arten) {
        case 0: { // ticks leaving the minor axis at the date's y
            int sonnwende = 0;
            while (uhr->erg.DatumsPunkte[static_cast<std::size_t>(++sonnwende)].name != "21.Jun ") {
            }
            for (const auto& [el, z] : Alle<Linienzug>(m, Ebene::Datumsmarken)) {
                const tSkioraPoint& d = uhr->erg.DatumsPunkte[static_cast<std::size_t>(el->index)];
                EXPECT_EQ(z->punkte[0].x, 0);
                EXPECT_EQ(z->punkte[0].y, d.y);
                EXPECT_EQ(z->punkte[1].y, d.y);
                // West of the axis until the summer solstice, east from it on.
                EXPECT_EQ(z->punkte[1].x > 0, el->index >= sonnwende) << d.name;
                ++marken;
            }
            EXPECT_EQ(marken, 36);
            break;
        }
        case 1: { // dots on a day-by-day analemma through them
            const auto kurve = Alle<Linienzug>(m, Ebene::Analemma);
            ASSERT_EQ(kurve.size(), 1u);
            EXPECT_EQ(kurve[0].second->punkte.size(), 365u);
            for (const auto& [el, k] : Alle<Kreis>(m, Ebene::Datumsmarken)) {
                const tSkioraPoint& d = uhr->erg.DatumsPunkte[static_cast<std::size_t>(el->index)];
                EXPECT_EQ(k->mitte.x, d.x);
                EXPECT_EQ(k->mitte.y, d.y);
                bool aufKurve = false;
                for (const Punkt& p : kurve[0].second->punkte)
                    aufKurve |= std::hypot(p.x - d.x, p.y - d.y) < 1e-12;
                EXPECT_TRUE(aufKurve) << d.name;
                ++marken;
            }
            EXPECT_EQ(marken, Eintraege(uhr->erg.DatumsPunkte));
            EXPECT_EQ(Alle<Text>(m, Ebene::Datumstexte).size(), 12u);
            break;
        }
        case 2: { // both halves at their true place, unusable dates apart
            const bool eins = uhr->p.Mittelwert <= 1;
            const DatumsFeld& vor = eins ? uhr->erg.SplitVor1 : uhr->erg.SplitVor2;
            const DatumsFeld& nach = eins ? uhr->erg.SplitNach1 : uhr->erg.SplitNach2;
            auto bei = [](const DatumsFeld& f, int i, Punkt p) {
                return f[static_cast<std::size_t>(i)].x == p.x &&
                       f[static_cast<std::size_t>(i)].y == p.y;
            };
            for (Ebene e : {Ebene::Vormittag, Ebene::Nachmittag, Ebene::Unbrauchbar})
                for (const auto& [el, k] : Alle<Kreis>(m, e)) {
                    const bool v = bei(vor, el->index, k->mitte),
                               n = bei(nach, el->index, k->mitte);
                    EXPECT_TRUE(e == Ebene::Vormittag ? v : e == Ebene::Nachmittag ? n : v || n);
                    const tSkioraPoint& d = (v ? vor : nach)[static_cast<std::size_t>(el->index)];
                    EXPECT_EQ(e == Ebene::Unbrauchbar, !d.usable);
                    ++marken;
                }
            EXPECT_EQ(marken, 2 * 12 * uhr->p.Anzahl);
            break;
        }
        }
    }
}

TEST(Modell, HourNumbersOutsideSummerTimeInsideAndTheDateStrip) {
    auto vier = test::VierUhren();
    Sonnenuhr& uhr = *vier[0].uhr;
    uhr.ort.Sommerzeit = true;
    EXPECT_TRUE(Alle<Text>(DialModell(uhr), Ebene::Sommerzeit).empty()); // the zone has none
    uhr.ort.HatSommerzeit = true;
    const Modell m = DialModell(uhr);
    const auto zahlen = Alle<Text>(m, Ebene::Stundenzahlen);
    const auto sommer = Alle<Text>(m, Ebene::Sommerzeit);
    ASSERT_EQ(zahlen.size(), 17u); // 5 to 21
    ASSERT_EQ(sommer.size(), 17u);
    auto ellipse = [&](Punkt p) {
        return std::pow(p.x / uhr.p.Halb, 2) + std::pow(p.y / uhr.Klein, 2);
    };
    for (std::size_t i = 0; i < zahlen.size(); ++i) {
        const int h = static_cast<int>(5 + i);
        EXPECT_EQ(zahlen[i].second->text, std::to_string(h));
        EXPECT_EQ(sommer[i].second->text, std::to_string(h + 1));
        EXPECT_GT(ellipse(zahlen[i].second->anker), 1);
        EXPECT_LT(ellipse(sommer[i].second->anker), 1);
    }
    // Half an hour's summer time, and a clock that passes midnight.
    uhr.ort.SzVersatz = 3.5;
    const Modell mh = DialModell(uhr); // the pointers below point into it
    const auto halb = Alle<Text>(mh, Ebene::Sommerzeit);
    EXPECT_EQ(halb.front().second->text, "8:30");
    EXPECT_EQ(halb.back().second->text, "0:30");

    // The date strip: the marks and their labels, the axis between them, no more.
    const Modell d = DatumsModell(uhr);
    EXPECT_FALSE(d.verweigert);
    int marken = 0;
    for (const Element& e : d.elemente) {
        EXPECT_TRUE(e.ebene == Ebene::Rahmen || e.ebene == Ebene::Achsen ||
                    e.ebene == Ebene::Datumsmarken || e.ebene == Ebene::Datumstexte ||
                    e.ebene == Ebene::Analemma)
            << Info(e.ebene).name;
        marken += e.ebene == Ebene::Datumsmarken;
        const Rechteck a = Ausdehnung(e);
        EXPECT_TRUE(d.ausdehnung.enthaelt({a.xmin, a.ymin}) &&
                    d.ausdehnung.enthaelt({a.xmax, a.ymax}));
    }
    EXPECT_EQ(marken, 36);
    EXPECT_LT(d.ausdehnung.breite(), 0.3 * m.ausdehnung.breite());
    EXPECT_LT(d.ausdehnung.hoehe(), m.ausdehnung.hoehe());
}

TEST(Modell, RefusedDialsAndBadOptionsGiveNoModel) {
    std::set<std::string> namen;
    for (Ebene e : AlleEbenen())
        EXPECT_TRUE(Info(e).name && namen.insert(Info(e).name).second) << static_cast<int>(e);
    EXPECT_EQ(namen.size(), static_cast<std::size_t>(EbenenAnzahl));

    auto vier = test::VierUhren();
    Sonnenuhr& uhr = *vier[0].uhr;
    EXPECT_TRUE(DialModell(uhr, {0, 0.02}).verweigert);
    EXPECT_TRUE(DialModell(uhr, {0.02, std::nan("")}).verweigert);
    uhr.p.GnomWinkel = 3; // the gnomon nearly in the plane: status 11
    uhr.btGoClick();
    ASSERT_NE(uhr.Status, 0);
    const Modell m = DialModell(uhr);
    EXPECT_TRUE(m.verweigert);
    EXPECT_TRUE(m.elemente.empty());
    EXPECT_TRUE(DatumsModell(uhr).verweigert);
}

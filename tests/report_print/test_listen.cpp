// The list printing on a recording canvas: sections, titles, parameter
// lines, rules and frames, page breaks, the refusal on the graphic page.
#include "core/Zahlen.h"
#include "draw/AufzeichnungsLeinwand.h"
#include "lang/Texte.h"
#include "report/Listen.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace skiora::report {
namespace {

using draw::Operation;

constexpr int L = 43; // 1.2 x 36 on the recording canvas

// A recorded print job on A4 portrait with 5 mm margins (0.1 mm) that
// remembers where each new page began.
struct Druck : SeitenFolge {
    Sonnenuhr uhr;
    draw::AufzeichnungsLeinwand lw;
    std::vector<std::size_t> beginn{0};

    explicit Druck(int arten = 1, int anzahl = 3, int mittelwert = 1) {
        uhr.p.Arten = static_cast<std::uint8_t>(arten);
        uhr.p.Anzahl = static_cast<std::uint8_t>(anzahl);
        uhr.p.Mittelwert = static_cast<std::uint8_t>(mittelwert);
        uhr.Modusumschaltung();
        uhr.Abgeleitet();
        uhr.opt.Bereit = true;
        uhr.btGoClick();
    }
    void NeueSeite() override { beginn.push_back(lw.ops.size()); }
    int Breite() const override { return 2000; }
    int Hoehe() const override { return 2870; }

    void Drucke(const std::vector<Abschnitt>& a) {
        std::string fehler;
        const auto kopf = ListenKopfBauen(uhr, fehler);
        ASSERT_TRUE(kopf) << fehler;
        ListenDrucken(uhr, lw, *this, a, *kopf);
    }
    // The page (0-based) an operation was recorded on.
    int SeiteVon(const Operation* o) const {
        const auto i = static_cast<std::size_t>(o - lw.ops.data());
        const auto n = std::upper_bound(beginn.begin(), beginn.end(), i) - beginn.begin();
        return static_cast<int>(n) - 1;
    }
    // The first text starting with `anfang` on page `seite`.
    const Operation* TextAuf(int seite, const std::string& anfang) const {
        for (const auto* o : lw.Texte())
            if (o->text.rfind(anfang, 0) == 0 && SeiteVon(o) == seite) return o;
        return nullptr;
    }
};

TEST(Listen, AlleListenInIhrerReihenfolgeAngezeigteAufDerGrafikseiteAbgelehnt) {
    Druck d;
    d.Drucke(Abschnitte(d.uhr, Anzeige::Grafik, true));
    const auto* std_ = d.TextAuf(0, lang::TextTabelle1(1, 14));
    ASSERT_TRUE(std_ && d.TextAuf(1, "am [dd/mm] 01. Mai") &&
                d.TextAuf(2, lang::TextTabelle1(1, 16)));
    EXPECT_EQ(d.beginn.size(), 3u) << "no page after the last section";
    d.lw.schrift = std_->schrift; // titles centred on x = 1000
    EXPECT_EQ(std_->x1 + d.lw.TextWidth(std_->text) / 2, 1000);
    // The parameter lines at x = 150, one line apart, in columns; the date-mark page uses 0.9 L.
    const auto* p1 = d.TextAuf(0, "geogr. Breite= 47.25;");
    ASSERT_TRUE(p1 && d.TextAuf(0, "Gnomon Hoehe="));
    EXPECT_EQ(std::tuple(p1->x1, p1->y1, p1->schrift.name), std::tuple(150, 180, "MS Serif"));
    EXPECT_EQ(d.TextAuf(0, "Gnomon Hoehe=")->y1, 180 + 2 * L);
    EXPECT_EQ(d.TextAuf(2, "Gnomon Hoehe=")->y1, 180 + 2 * 39);
    // The analemma's date-mark page ends with the error chart.
    EXPECT_NE(d.TextAuf(2, "Fehler bei Ablesung"), nullptr);

    // "Print Displayed List" on the graphic page: nothing, and the message.
    SammelMelder m;
    d.uhr.setzeMelder(&m);
    EXPECT_TRUE(DruckAbgelehnt(d.uhr, Anzeige::Grafik, false));
    EXPECT_FALSE(DruckAbgelehnt(d.uhr, Anzeige::Grafik, true) ||
                 DruckAbgelehnt(d.uhr, Anzeige::Schatten, false));
    ASSERT_EQ(m.eintraege.size(), 1u);
    EXPECT_EQ(m.eintraege[0].text, lang::TextTabelle1(1, 19));
    EXPECT_EQ(Abschnitte(d.uhr, Anzeige::Schatten, false), std::vector{Abschnitt::Schatten});
    EXPECT_TRUE(Abschnitte(d.uhr, Anzeige::Split, false).empty()); // only for a split dial
}

TEST(Listen, StundentabelleGeregeltUndGerahmt) {
    Druck d;
    d.uhr.opt.KoordXY = false;
    d.Drucke({Abschnitt::Stunden});
    EXPECT_NE(d.TextAuf(0, "Stundenmarkierung - Distanz zu den Endpunkten"), nullptr);
    // Row r at y = 350 + r L, the header beginning with a blank; rules above rows
    // 5, 9, 13, 17 while column 1 has entries (5:00 to 21:00), none above row 1.
    EXPECT_EQ(d.TextAuf(0, " Zeit")->y1, 350);
    std::vector<int> regeln;
    for (const auto* o : d.lw.Linien())
        regeln.push_back(o->y1);
    EXPECT_EQ(regeln,
              (std::vector{350 + 5 * L - 3, 350 + 9 * L - 3, 350 + 13 * L - 3, 350 + 17 * L - 3}));
    // Header and body framed with a pen 2 wide.
    std::vector<const Operation*> rahmen;
    for (const auto& o : d.lw.ops)
        if (o.art == draw::OpArt::Rechteck) rahmen.push_back(&o);
    ASSERT_EQ(rahmen.size(), 2u);
    EXPECT_EQ(std::tuple(rahmen[0]->stift.breite, rahmen[0]->y1, rahmen[1]->y1, rahmen[1]->y2),
              std::tuple(2, 350 - 3, 350 + L - 3, 350 + 18 * L - 3 + 1));
}

TEST(Listen, ZweiundsiebzigDatumszeilenGehenAufDerNaechstenSeiteWeiter) {
    Druck d(2, 6, 1);
    d.Drucke(Abschnitte(d.uhr, Anzeige::Grafik, true));
    const Gitter& g = d.uhr.tab.StrGridDat;
    const auto* z50 = d.TextAuf(2, g.Zelle(0, 50));
    const auto* z51 = d.TextAuf(3, g.Zelle(0, 51));
    const auto* z72 = d.TextAuf(3, g.Zelle(0, 72));
    ASSERT_TRUE(z50 && z51 && z72 && d.TextAuf(2, lang::TextTabelle1(1, 16)));
    // Row 51 and the header again at the top of the next page.
    EXPECT_EQ(std::tuple(z50->y1, z51->y1, z72->y1, d.TextAuf(3, g.Zelle(0, 0))->y1),
              std::tuple(206 + 55 * L, 5 * L + 130, 26 * L + 130, 4 * L + 130));
    // The split dial prints its method lines, not the rise/set position.
    EXPECT_EQ(d.TextAuf(2, "Auf-/Untergangspunkt"), nullptr);
    EXPECT_EQ(d.beginn.size(), 8u) << "the 72-row error tables continue on a page of their own";
    // Vertical rules between the date table's column groups, on both pages.
    const auto linien = d.lw.Linien();
    EXPECT_EQ(std::count_if(linien.begin(), linien.end(),
                            [&](auto* o) { return o->x1 == o->x2 && d.SeiteVon(o) <= 3; }),
              4);
    // Nothing runs over the printable width, the wide error tables included.
    for (const auto* o : d.lw.Texte()) {
        d.lw.schrift = o->schrift;
        EXPECT_TRUE(o->x1 >= 0 && o->x1 + d.lw.TextWidth(o->text) <= 2000 &&
                    o->y1 + o->schrift.hoehe <= 2870)
            << o->text;
    }
}

TEST(Listen, MethodenzeilenNennenDieStundenDerListe) {
    // Mend: method 1 with the default hours 7 to 11 names the last hour, not
    // the second of the list.
    Druck d(2, 3, 1);
    d.Drucke({Abschnitt::Datum});
    EXPECT_NE(d.TextAuf(0, "zweigeteilte Sonnenuhr: Mittelwert von Methode 1:   7:00 -  11:00 "
                           "im Intervall  1:00"),
              nullptr);
    EXPECT_NE(d.TextAuf(0, "Nachmittag für  13:00 -  17:00 im Intervall  1:00"), nullptr);

    // Methods 2 to 4: four hours on the line, the rest on a right-aligned continuation.
    Druck e(2, 1, 2);
    for (int r = 1; r <= 6; ++r)
        e.uhr.tab.StrGridEin.Setze(1, r, ZahlText(6, 2, 5 + r));
    e.Drucke({Abschnitt::Datum});
    const auto* erste = e.TextAuf(0, "zweigeteilte Sonnenuhr: kleinster mittlerer Absolutfehler "
                                     "(für  6:00,  7:00,  8:00,  9:00,");
    const auto* weiter = e.TextAuf(0, " 10:00, 11:00)");
    ASSERT_TRUE(erste && weiter);
    EXPECT_EQ(weiter->x1 + e.lw.TextWidth(weiter->text), erste->x1 + e.lw.TextWidth(erste->text));

    // Mend: a cell that is not a number stops the command before anything is printed.
    e.uhr.tab.StrGridEin.Setze(1, 2, "x7");
    std::string fehler;
    EXPECT_FALSE(ListenKopfBauen(e.uhr, fehler));
    EXPECT_NE(fehler.find(lang::Meldung(1, 6)), std::string::npos);
}

} // namespace
} // namespace skiora::report

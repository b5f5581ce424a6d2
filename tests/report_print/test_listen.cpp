// The list printing on a recording canvas: sections, titles, parameter
// lines, rules and frames, page breaks, the refusal on the graphic page.
#include "Hilfe.h"
#include "lang/Texte.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace skiora::report {
namespace {

using draw::AufzeichnungsLeinwand;
using draw::OpArt;
using draw::Operation;

constexpr int L = 43; // 1.2 x 36 on the recording canvas

struct Druck {
    std::unique_ptr<Sonnenuhr> uhr;
    AufzeichnungsLeinwand lw;
    test::Seiten seiten{lw};
    explicit Druck(std::unique_ptr<Sonnenuhr> u) : uhr(std::move(u)) {}
    void Alle() { Drucke(Abschnitte(*uhr, Anzeige::Grafik, true)); }
    void Drucke(const std::vector<Abschnitt>& a) {
        std::string fehler;
        const auto kopf = ListenKopfBauen(*uhr, fehler);
        ASSERT_TRUE(kopf) << fehler;
        ListenDrucken(*uhr, lw, seiten, a, *kopf);
    }
    std::size_t Index(const Operation* o) const {
        return static_cast<std::size_t>(o - lw.ops.data());
    }
    const Operation* Text(const std::string& t) const { return lw.FindeText(t); }
    // The first text starting with `anfang` on page `seite`.
    const Operation* TextAuf(int seite, const std::string& anfang) const {
        for (const auto& o : lw.ops)
            if (o.art == OpArt::Text && o.text.rfind(anfang, 0) == 0 &&
                seiten.SeiteVon(Index(&o)) == seite)
                return &o;
        return nullptr;
    }
};

TEST(Listen, AlleListenInIhrerReihenfolgeJeEineSeite) {
    Druck d(test::Uhr());
    d.Alle();
    const int s = 1;
    const auto* std_ = d.Text(lang::TextTabelle1(s, 14));
    const auto* schatten = d.Text("am [dd/mm] 01. Mai");
    const auto* datum = d.Text(lang::TextTabelle1(s, 16));
    ASSERT_TRUE(std_ && schatten && datum);
    EXPECT_EQ(d.seiten.SeiteVon(d.Index(std_)), 0);
    EXPECT_EQ(d.seiten.SeiteVon(d.Index(schatten)), 1);
    EXPECT_EQ(d.seiten.SeiteVon(d.Index(datum)), 2);
    EXPECT_EQ(d.seiten.beginn.size(), 3u) << "no page after the last section";
    // Titles at font height 48, centred on x = 1000 at y = 120.
    EXPECT_EQ(std_->schrift.hoehe, 48);
    EXPECT_EQ(std_->y1, 120);
    d.lw.schrift = std_->schrift;
    EXPECT_EQ(std_->x1, 1000 - d.lw.TextWidth(std_->text) / 2);
    // The parameter lines at x = 150, one line apart; the date-mark page uses 0.9 L.
    const auto* p1 = d.TextAuf(0, "geogr. Breite= 47.25;");
    const auto* p3 = d.TextAuf(0, "Gnomon Hoehe=");
    ASSERT_TRUE(p1 && p3);
    EXPECT_EQ(p1->x1, 150);
    EXPECT_EQ(p1->y1, 180);
    EXPECT_EQ(p3->y1, 180 + 2 * L);
    EXPECT_EQ(p1->schrift.name, "MS Serif");
    EXPECT_EQ(p1->text.find("geogr. Laenge="), 25u);
    EXPECT_EQ(p1->text.find("Zonenmeridian="), 53u);
    EXPECT_EQ(d.TextAuf(2, "Gnomon Hoehe=")->y1, 180 + 2 * 39);
    EXPECT_NE(d.TextAuf(2, "Auf-/Untergangspunkt (Position): "), nullptr);
    // The analemma's date-mark page ends with the error chart.
    EXPECT_NE(d.TextAuf(2, "Fehler bei Ablesung"), nullptr);
}

TEST(Listen, AngezeigteListeUndAblehnungAufDerGrafikseite) {
    auto u = test::Uhr();
    SammelMelder m;
    u->setzeMelder(&m);
    EXPECT_TRUE(DruckAbgelehnt(*u, Anzeige::Grafik, false));
    ASSERT_EQ(m.eintraege.size(), 1u);
    EXPECT_EQ(m.eintraege[0].text, lang::TextTabelle1(1, 19));
    EXPECT_EQ(m.eintraege[0].titel, lang::TitelText(1, lang::Titel::Info));
    EXPECT_EQ(m.eintraege[0].symbol, Symbol::Frage);
    EXPECT_FALSE(DruckAbgelehnt(*u, Anzeige::Grafik, true));
    EXPECT_FALSE(DruckAbgelehnt(*u, Anzeige::Schatten, false));
    EXPECT_EQ(m.eintraege.size(), 1u);

    EXPECT_EQ(Abschnitte(*u, Anzeige::Schatten, false),
              std::vector<Abschnitt>{Abschnitt::Schatten});
    // The split pages only exist for a split dial.
    EXPECT_TRUE(Abschnitte(*u, Anzeige::Split, false).empty());
    EXPECT_EQ(Abschnitte(*u, Anzeige::Grafik, true).size(), 3u);
    u->opt.KoordXY = false;
    Druck d(std::move(u));
    d.Drucke({Abschnitt::Stunden});
    EXPECT_NE(d.Text("Stundenmarkierung - Distanz zu den Endpunkten der N-S-Achse der Ellipse"),
              nullptr);
    EXPECT_EQ(d.seiten.beginn.size(), 1u);
}

TEST(Listen, StundentabelleGeregeltUndGerahmt) {
    Druck d(test::Uhr());
    d.Drucke({Abschnitt::Stunden});
    const Gitter& g = d.uhr->tab.StrGridStd;
    // Row r at y = 350 + r L; the header begins with a blank.
    const auto* kopf = d.TextAuf(0, " Zeit");
    ASSERT_NE(kopf, nullptr);
    EXPECT_EQ(kopf->y1, 350);
    const auto* zeile5 = d.TextAuf(0, g.Zelle(1, 5));
    ASSERT_NE(zeile5, nullptr);
    EXPECT_EQ(zeile5->y1, 350 + 5 * L);
    // Rules above rows 5, 9, 13 ... while column 1 has entries, none above row 1.
    std::vector<int> regeln;
    for (const auto* o : d.lw.Linien())
        if (o->y1 == o->y2) regeln.push_back(o->y1);
    int letzte = 0;
    while (letzte + 1 < g.Zeilen() && !g.Zelle(1, letzte + 1).empty())
        ++letzte;
    std::vector<int> erwartet;
    for (int r = 5; r <= letzte; r += 4)
        erwartet.push_back(350 + r * L - 3);
    EXPECT_EQ(regeln, erwartet);
    // Header and body framed with a pen 2 wide.
    std::vector<const Operation*> rahmen;
    for (const auto& o : d.lw.ops)
        if (o.art == OpArt::Rechteck) rahmen.push_back(&o);
    ASSERT_EQ(rahmen.size(), 2u);
    EXPECT_EQ(rahmen[0]->stift.breite, 2);
    EXPECT_EQ(rahmen[0]->y1, 350 - 3);
    EXPECT_EQ(rahmen[1]->y1, 350 + L - 3);
    EXPECT_EQ(rahmen[1]->y2, 350 + (letzte + 1) * L - 3 + 1);
    EXPECT_EQ(rahmen[1]->pinsel.art, draw::PinselArt::Leer);
}

TEST(Listen, ZweiundsiebzigDatumszeilenGehenAufDerNaechstenSeiteWeiter) {
    Druck d(test::Uhr(2, 6, 1));
    ASSERT_TRUE(d.uhr->opt.SplitModus);
    ASSERT_EQ(d.uhr->Status, 0);
    d.Alle();
    const Gitter& g = d.uhr->tab.StrGridDat;
    ASSERT_FALSE(g.Zelle(0, 72).empty());
    const auto* datum = d.Text(lang::TextTabelle1(1, 16));
    ASSERT_NE(datum, nullptr);
    const int seite = d.seiten.SeiteVon(d.Index(datum));
    EXPECT_EQ(seite, 2);
    const auto* z50 = d.TextAuf(seite, g.Zelle(0, 50));
    const auto* z51 = d.TextAuf(seite + 1, g.Zelle(0, 51));
    const auto* z72 = d.TextAuf(seite + 1, g.Zelle(0, 72));
    ASSERT_TRUE(z50 && z51 && z72);
    EXPECT_EQ(z50->y1, 206 + (50 + 5) * L);
    EXPECT_EQ(z51->y1, 5 * L + 130);
    EXPECT_EQ(z72->y1, 5 * L + 130 + 21 * L);
    EXPECT_EQ(d.TextAuf(seite + 1, g.Zelle(0, 0))->y1, 5 * L + 130 - L) << "header repeated";
    // The split dial prints its method lines, not the rise/set position,
    // and its pages follow: morning, then afternoon.
    EXPECT_EQ(d.TextAuf(seite, "Auf-/Untergangspunkt"), nullptr);
    EXPECT_NE(d.TextAuf(seite, "zweigeteilte Sonnenuhr: Mittelwert von Methode 1"), nullptr);
    const std::string split = lang::TextTabelle1(1, 18);
    const auto* vor = d.TextAuf(seite + 2, split + "  (" + lang::TextTabelle2(1, 23) + ")");
    const auto* nach = d.TextAuf(seite + 4, split + "  (" + lang::TextTabelle2(1, 24) + ")");
    EXPECT_TRUE(vor && nach);

    EXPECT_EQ(d.seiten.beginn.size(), static_cast<std::size_t>(seite + 6))
        << "the 72-row error tables continue on a page of their own";
    // Vertical rules between the date table's column groups, on both pages.
    int senkrecht = 0;
    for (const auto* o : d.lw.Linien())
        if (o->x1 == o->x2 && d.seiten.SeiteVon(d.Index(o)) <= seite + 1) ++senkrecht;
    EXPECT_EQ(senkrecht, 4);
    // Nothing runs over the printable width, the wide error tables included.
    for (const auto* o : d.lw.Texte()) {
        d.lw.schrift = o->schrift;
        EXPECT_GE(o->x1, 0) << o->text;
        EXPECT_LE(o->x1 + d.lw.TextWidth(o->text), test::HochBreite) << o->text;
        EXPECT_LE(o->y1 + o->schrift.hoehe, test::HochHoehe) << o->text;
    }
}

TEST(Listen, MethodenzeilenNennenDieStundenDerListe) {
    // Method 1 with the default hours 7 to 11: the line names the last hour,
    // not the second of the list.
    auto u = test::Uhr(2, 3, 1);
    std::string fehler;
    auto k = ListenKopfBauen(*u, fehler);
    ASSERT_TRUE(k) << fehler;
    ASSERT_GE(k->methode.size(), 2u);
    EXPECT_EQ(k->methode[0].text, "zweigeteilte Sonnenuhr: Mittelwert von Methode 1:   7:00 -  "
                                  "11:00 im Intervall  1:00");
    EXPECT_EQ(k->methode[1].text, "Nachmittag für  13:00 -  17:00 im Intervall  1:00");

    // Methods 2 to 4: four hours on the line, the rest on a right-aligned continuation.
    u = test::Uhr(2, 1, 2);
    for (int r = 1; r <= 6; ++r)
        u->tab.StrGridEin.Setze(1, r, ZahlText(6, 2, 5 + r));
    k = ListenKopfBauen(*u, fehler);
    ASSERT_TRUE(k);
    EXPECT_EQ(k->methode[0].text, "zweigeteilte Sonnenuhr: kleinster mittlerer Absolutfehler (für  "
                                  "6:00,  7:00,  8:00,  9:00,");
    EXPECT_EQ(k->methode[1].text, " 10:00, 11:00)");
    EXPECT_TRUE(k->methode[1].rechtsbuendig);
    Druck d(std::move(u));
    d.Drucke({Abschnitt::Datum});
    const auto* erste = d.TextAuf(0, "zweigeteilte");
    const auto* weiter = d.TextAuf(0, " 10:00, 11:00)");
    ASSERT_TRUE(erste && weiter);
    EXPECT_EQ(weiter->x1 + d.lw.TextWidth(weiter->text), erste->x1 + d.lw.TextWidth(erste->text));

    // A cell that is not a number stops the command before anything is printed.
    d.uhr->tab.StrGridEin.Setze(1, 2, "x7");
    EXPECT_FALSE(ListenKopfBauen(*d.uhr, fehler));
    EXPECT_NE(fehler.find(lang::Meldung(1, 6)), std::string::npos);
}

} // namespace
} // namespace skiora::report

// The list printing on a recording canvas: sections, titles, parameter
// lines, rules and frames, page breaks, the refusal on the graphic page.
#include "core/Zahlen.h"
#include "draw/AufzeichnungsLeinwand.h"
#include "lang/Texte.h"
#include "report/Listen.h"

#include <gtest/gtest.h>

#include <memory>

namespace skiora::report {
namespace {

using draw::OpArt;
using draw::Operation;

constexpr int L = 43;                              // 1.2 x 36 on the recording canvas
constexpr int HochBreite = 2000, HochHoehe = 2870; // A4 portrait, 5 mm margins, in 0.1 mm

std::unique_ptr<Sonnenuhr> Uhr(int arten = 1, int anzahl = 3, int mittelwert = 1) {
    auto u = std::make_unique<Sonnenuhr>();
    u->p.Arten = static_cast<std::uint8_t>(arten);
    u->p.Anzahl = static_cast<std::uint8_t>(anzahl);
    u->p.Mittelwert = static_cast<std::uint8_t>(mittelwert);
    u->Modusumschaltung();
    u->Abgeleitet();
    u->opt.Bereit = true;
    u->btGoClick();
    return u;
}

// A recorded print job that remembers where each new page began.
struct Druck : SeitenFolge {
    std::unique_ptr<Sonnenuhr> uhr;
    draw::AufzeichnungsLeinwand lw;
    std::vector<std::size_t> beginn{0};

    explicit Druck(std::unique_ptr<Sonnenuhr> u) : uhr(std::move(u)) {}
    void NeueSeite() override { beginn.push_back(lw.ops.size()); }
    int Breite() const override { return HochBreite; }
    int Hoehe() const override { return HochHoehe; }

    void Drucke(const std::vector<Abschnitt>& a) {
        std::string fehler;
        const auto kopf = ListenKopfBauen(*uhr, fehler);
        ASSERT_TRUE(kopf) << fehler;
        ListenDrucken(*uhr, lw, *this, a, *kopf);
    }
    void Alle() { Drucke(Abschnitte(*uhr, Anzeige::Grafik, true)); }
    // The page (0-based) an operation was recorded on.
    int SeiteVon(const Operation* o) const {
        const auto i = static_cast<std::size_t>(o - lw.ops.data());
        int s = 0;
        for (std::size_t k = 1; k < beginn.size(); ++k)
            if (i >= beginn[k]) s = static_cast<int>(k);
        return s;
    }
    // The first text starting with `anfang` on page `seite`.
    const Operation* TextAuf(int seite, const std::string& anfang) const {
        for (const auto& o : lw.ops)
            if (o.art == OpArt::Text && o.text.rfind(anfang, 0) == 0 && SeiteVon(&o) == seite)
                return &o;
        return nullptr;
    }
};

TEST(Listen, AlleListenInIhrerReihenfolgeJeEineSeite) {
    Druck d(Uhr());
    d.Alle();
    const auto* std_ = d.lw.FindeText(lang::TextTabelle1(1, 14));
    const auto* schatten = d.lw.FindeText("am [dd/mm] 01. Mai");
    const auto* datum = d.lw.FindeText(lang::TextTabelle1(1, 16));
    ASSERT_TRUE(std_ && schatten && datum);
    EXPECT_EQ(d.SeiteVon(std_), 0);
    EXPECT_EQ(d.SeiteVon(schatten), 1);
    EXPECT_EQ(d.SeiteVon(datum), 2);
    EXPECT_EQ(d.beginn.size(), 3u) << "no page after the last section";
    // Titles at font height 48, centred on x = 1000 at y = 120.
    EXPECT_EQ(std_->schrift.hoehe, 48);
    EXPECT_EQ(std_->y1, 120);
    d.lw.schrift = std_->schrift;
    EXPECT_EQ(std_->x1, 1000 - d.lw.TextWidth(std_->text) / 2);
    // The parameter lines at x = 150, one line apart, in columns; the date-mark page uses 0.9 L.
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
    auto u = Uhr();
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
    u->opt.KoordXY = false;
    Druck d(std::move(u));
    d.Drucke({Abschnitt::Stunden});
    EXPECT_NE(
        d.lw.FindeText("Stundenmarkierung - Distanz zu den Endpunkten der N-S-Achse der Ellipse"),
        nullptr);
    EXPECT_EQ(d.beginn.size(), 1u);
}

TEST(Listen, StundentabelleGeregeltUndGerahmt) {
    Druck d(Uhr());
    d.Drucke({Abschnitt::Stunden});
    const Gitter& g = d.uhr->tab.StrGridStd;
    // Row r at y = 350 + r L; the header begins with a blank.
    EXPECT_EQ(d.TextAuf(0, " Zeit")->y1, 350);
    EXPECT_EQ(d.TextAuf(0, g.Zelle(1, 5))->y1, 350 + 5 * L);
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
    Druck d(Uhr(2, 6, 1));
    ASSERT_TRUE(d.uhr->opt.SplitModus);
    ASSERT_EQ(d.uhr->Status, 0);
    d.Alle();
    const Gitter& g = d.uhr->tab.StrGridDat;
    ASSERT_FALSE(g.Zelle(0, 72).empty());
    const auto* datum = d.lw.FindeText(lang::TextTabelle1(1, 16));
    ASSERT_NE(datum, nullptr);
    const int seite = d.SeiteVon(datum);
    EXPECT_EQ(seite, 2);
    const auto* z50 = d.TextAuf(seite, g.Zelle(0, 50));
    const auto* z51 = d.TextAuf(seite + 1, g.Zelle(0, 51));
    const auto* z72 = d.TextAuf(seite + 1, g.Zelle(0, 72));
    ASSERT_TRUE(z50 && z51 && z72);
    EXPECT_EQ(z50->y1, 206 + (50 + 5) * L);
    EXPECT_EQ(z51->y1, 5 * L + 130);
    EXPECT_EQ(z72->y1, 5 * L + 130 + 21 * L);
    EXPECT_EQ(d.TextAuf(seite + 1, g.Zelle(0, 0))->y1, 5 * L + 130 - L) << "header repeated";
    // The split dial prints its method lines, not the rise/set position
    // (the order of the later pages is read back from the PDF).
    EXPECT_EQ(d.TextAuf(seite, "Auf-/Untergangspunkt"), nullptr);
    EXPECT_EQ(d.beginn.size(), static_cast<std::size_t>(seite + 6))
        << "the 72-row error tables continue on a page of their own";
    // Vertical rules between the date table's column groups, on both pages.
    int senkrecht = 0;
    for (const auto* o : d.lw.Linien())
        senkrecht += o->x1 == o->x2 && d.SeiteVon(o) <= seite + 1;
    EXPECT_EQ(senkrecht, 4);
    // Nothing runs over the printable width, the wide error tables included.
    for (const auto* o : d.lw.Texte()) {
        d.lw.schrift = o->schrift;
        EXPECT_GE(o->x1, 0) << o->text;
        EXPECT_LE(o->x1 + d.lw.TextWidth(o->text), HochBreite) << o->text;
        EXPECT_LE(o->y1 + o->schrift.hoehe, HochHoehe) << o->text;
    }
}

TEST(Listen, MethodenzeilenNennenDieStundenDerListe) {
    // Method 1 with the default hours 7 to 11: the line names the last hour,
    // not the second of the list.
    auto u = Uhr(2, 3, 1);
    std::string fehler;
    auto k = ListenKopfBauen(*u, fehler);
    ASSERT_TRUE(k) << fehler;
    ASSERT_GE(k->methode.size(), 2u);
    EXPECT_EQ(k->methode[0].text, "zweigeteilte Sonnenuhr: Mittelwert von Methode 1:   7:00 -  "
                                  "11:00 im Intervall  1:00");
    EXPECT_EQ(k->methode[1].text, "Nachmittag für  13:00 -  17:00 im Intervall  1:00");

    // Methods 2 to 4: four hours on the line, the rest on a right-aligned continuation.
    u = Uhr(2, 1, 2);
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

#include "Absteckplan.h"

#include "AbsteckFiguren.h"
#include "Abstecken.h"
#include "Setzer.h"
#include "core/Ortsanzeige.h"
#include "core/Sonnenuhr.h"
#include "core/Zahlen.h"
#include "lang/AbsteckTexte.h"
#include "modell/Modell.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

namespace skiora::report {

namespace {

namespace t = lang::abstecken;
using lang::Einsetzen;

// A4 portrait in 0.1 mm, 15 mm margins.
constexpr int Rand = 150;
constexpr int Titel = 65, Kopf = 42, Text = 31, Tabelle = 28;
constexpr int FigurBreite = 620, FigurHoehe = 470, FigurLuft = 40;

std::string Grad(double v, int stellen = 2) {
    return Fest(v, stellen) + "°";
}

// Latitude north positive, longitudes west positive as the program keeps them.
std::string Breite(double v) {
    return Grad(std::fabs(v)) + (v < 0 ? " S" : " N");
}
std::string Laenge(double v, int sprache) {
    return Grad(std::fabs(v)) + " " + (v > 0 ? "W" : lang::Text(sprache, t::Osten));
}

std::string Minuten(double stunden) {
    const long long s = std::llround(std::fabs(stunden) * 3600);
    return std::string(stunden < 0 ? "− " : "+ ") + std::to_string(s / 60) + " min " +
           std::to_string(s % 60) + " s";
}

struct Plan {
    const Sonnenuhr& uhr;
    Einheit einheit;
    int sp;
    // Shared with the drawing of the pages, which outlives this plan.
    std::shared_ptr<const Absteckmasse> masse;
    std::shared_ptr<const modell::Modell> uhrModell, datumModell;
    const Absteckmasse& m() const { return *masse; }
    Setzer s{2100, 2970, Rand};

    std::string T(const lang::Zweisprachig& z) const { return lang::Text(sp, z); }
    std::string L(double meter) const { return LaengeText(meter, einheit); }
    std::string Z(double meter) const { return LaengeZahl(meter, einheit); }
    std::string E() const { return EinheitName(einheit); }

    // A step's heading, its figure at the right and its text beside it.
    void Schritt(const lang::Zweisprachig& kopf, const std::vector<std::string>& absaetze,
                 void (*figur)(draw::Leinwand&, const Kasten&, const FigurDaten&)) {
        s.Abstand(Kopf / 2);
        s.Platz(Setzer::Zeilenhoehe(Kopf) + FigurHoehe + FigurLuft);
        s.Zeile(T(kopf), Kopf, true);
        s.Abstand(10);
        const int oben = s.y();
        const Kasten k{s.rechts() - FigurBreite, oben, FigurBreite, FigurHoehe};
        s.Zeichne([k, figur, u = uhrModell, dm = datumModell, ms = masse, e = einheit,
                   spr = sp](draw::Leinwand& lw) {
            const FigurDaten fd{*u, *dm, *ms, e, spr};
            lw.StiftFarbe(0xBBBBBB);
            lw.StiftBreite(1);
            lw.PinselStil(draw::PinselArt::Leer);
            lw.Rectangle(k.x, k.y, k.rechts(), k.unten());
            figur(lw, k, fd);
        });
        const int breite = s.satzbreite() - FigurBreite - FigurLuft;
        for (const std::string& a : absaetze)
            s.Absatz(a, Text, s.links(), breite);
        if (s.y() < k.unten() + FigurLuft) s.SetzeY(k.unten() + FigurLuft);
    }

    void ErsteSeite() {
        const DialParams& p = uhr.p;
        s.Zeile(T(t::Titel), Titel, true);
        s.Zeile(T(t::Untertitel), Text);
        s.Abstand(20);
        s.Zeile(Einsetzen(T(t::Ort), {uhr.ort.Name.empty() ? T(t::OhneName) : uhr.ort.Name}), Text,
                true);
        s.Zeile(Einsetzen(T(t::Lage), {Breite(p.Breit), Laenge(p.Lang, sp), Laenge(p.Zone, sp)}),
                Text);
        s.Zeile(Einsetzen(T(t::Halbachsen), {L(p.Halb), L(std::fabs(uhr.Klein))}), Text);
        s.Zeile(Einsetzen(T(t::Ebene), {Fest(p.Incl, 1)}) + ";  " +
                    Einsetzen(T(t::Gnomon), {L(p.Hoehe), Fest(p.GnomInc, 1)}) + ";  " +
                    Einsetzen(T(t::Jahr), {std::to_string(p.Jahr)}),
                Text);
        s.Zeile(Einsetzen(T(t::Stunden), {std::to_string(uhr.opt.StdVon),
                                          std::to_string(uhr.opt.StdBis), std::to_string(p.Lph)}) +
                    ";  " + (p.Zonenzeit ? T(t::Zonenzeit) : T(t::Ortszeit)),
                Text);
        s.Zeile(T(p.Arten == 0 ? t::ArtSkala : (p.Arten == 1 ? t::ArtAnalemma : t::ArtGeteilt)),
                Text);
        if (std::fabs(p.Incl) >= 0.05)
            s.Absatz(Einsetzen(T(t::GeneigteEbene), {Fest(p.Incl, 1)}), Text);
        s.Abstand(30);

        // The dial fills what the reference marks leave of the page.
        const int bezugHoehe = 6 * Setzer::Zeilenhoehe(Text) + 40;
        Kasten k{s.links(), s.y(), s.satzbreite(), 2970 - Rand - s.y() - bezugHoehe};
        const double massstab = MassstabFuer(uhrModell->ausdehnung, k);
        // As high as the dial at that scale, with room for the arrow and the bar.
        const int noetig = Naechste(uhrModell->ausdehnung.hoehe() * 10000 / massstab) + 300;
        k.hoehe = std::min(k.hoehe, noetig);
        s.Zeichne([k, massstab, u = uhrModell, dm = datumModell, ms = masse, e = einheit,
                   spr = sp](draw::Leinwand& lw) {
            FigurUhr(lw, k, {*u, *dm, *ms, e, spr}, massstab);
        });
        s.SetzeY(k.unten() + 40);
        s.Zeile(T(t::Bezug), Text, true);
        const Bezugspunkte& b = m().bezug;
        s.Zeile(T(t::BezugC), Text);
        s.Zeile(Einsetzen(T(b.b >= 0 ? t::BezugN : t::BezugNSued), {L(std::fabs(b.b))}), Text);
        s.Zeile(Einsetzen(T(b.brennpunkteNordSued ? t::BezugF1Sued : t::BezugF1), {L(b.c)}), Text);
        s.Zeile(Einsetzen(T(b.brennpunkteNordSued ? t::BezugF2Nord : t::BezugF2), {L(b.c)}), Text);
    }

    void Schritt1() {
        const bool sommer = uhr.ort.HatSommerzeit;
        std::vector<std::string> absaetze{T(t::Schritt1Text)};
        if (sommer) absaetze.push_back(T(t::Schritt1Sommer));
        Schritt(t::Schritt1, absaetze, FigurLot);
        // Three blocks of rows side by side.
        std::vector<Spalte> spalten;
        for (int block = 0; block < 3; ++block) {
            spalten.push_back({T(t::SpDatum), 150, false});
            spalten.push_back({T(t::SpUhrzeit), sommer ? 200 : 230, true});
            if (sommer) spalten.push_back({T(t::SpSommerzeit), 230, true});
            spalten.push_back({"", 40, false});
        }
        const size_t n = m().mittag.size(), zeilen = (n + 2) / 3;
        std::vector<std::vector<std::string>> tabelle(zeilen);
        for (size_t i = 0; i < n; ++i) {
            const MittagsZeile& mt = m().mittag[i];
            auto& z = tabelle[i % zeilen];
            z.push_back(DatumText(mt.tag, mt.monat, sp));
            z.push_back(UhrzeitText(mt.mittag.zonenzeit));
            if (sommer) z.push_back(mt.sommerzeit ? UhrzeitText(mt.sommerzeitUhr) : "");
            z.push_back("");
        }
        s.Tabelle(spalten, tabelle, Tabelle);
    }

    void Schritt2() {
        const Dreieck& d = m().dreieck;
        Schritt(t::Schritt2,
                {Einsetzen(T(t::Schritt2Text), {L(d.nordSued), L(d.ostWest), L(d.diagonale)}),
                 Einsetzen(T(t::Schritt2N), {L(std::fabs(m().bezug.b))})},
                FigurDreieck);
    }

    void Schritt3() {
        const Bezugspunkte& b = m().bezug;
        std::string text;
        if (b.c < 5e-4)
            text = Einsetzen(T(t::Schritt3Kreis), {L(b.a)});
        else
            text = Einsetzen(T(b.brennpunkteNordSued ? t::Schritt3NordSued : t::Schritt3Text),
                             {L(b.c), L(b.schlaufe)});
        Schritt(t::Schritt3, {text}, FigurSchlaufe);
    }

    void Schritt4() {
        bool flach = false;
        for (const Stundenmarke& h : m().stunden)
            flach = flach || h.flach;
        std::vector<std::string> absaetze{T(t::Schritt4Text)};
        if (flach) absaetze.push_back(T(t::Schritt4Flach));
        Schritt(t::Schritt4, absaetze, FigurBaender);
        const int w = einheit == Einheit::FussZoll ? 260 : 200;
        const std::vector<Spalte> spalten{{T(t::SpZeit), 150, true},
                                          {Einsetzen(T(t::SpX), {E()}), w, true},
                                          {Einsetzen(T(t::SpY), {E()}), w, true},
                                          {Einsetzen(T(t::SpAbC), {E()}), w + 60, true},
                                          {Einsetzen(T(t::SpAbN), {E()}), w + 60, true},
                                          {T(t::SpSeite), 170, true},
                                          {"", 110, false, true}};
        std::vector<std::vector<std::string>> zeilen;
        std::vector<bool> voll;
        for (const Stundenmarke& h : m().stunden) {
            const std::string seite =
                h.seite == Seite::West ? T(t::SeiteW)
                                       : (h.seite == Seite::Ost ? T(t::SeiteO) : T(t::SeiteLinie));
            zeilen.push_back(
                {h.name + (h.flach ? " *" : ""), Z(h.x), Z(h.y), Z(h.abC), Z(h.abN), seite, ""});
            voll.push_back(h.volleStunde && uhr.p.Lph > 1);
        }
        s.Tabelle(spalten, zeilen, Tabelle, -1, voll);
    }

    void Datumsliste(const std::vector<Datumsmarke>& liste) {
        const int w = einheit == Einheit::FussZoll ? 330 : 300;
        std::vector<Spalte> spalten{{T(t::SpDatum), 180, false},
                                    {Einsetzen(T(t::SpVonC), {E()}), w, true}};
        if (m().analemma) spalten.push_back({Einsetzen(T(t::SpVersatz), {E()}), w, true});
        spalten.push_back({"", 110, false, true});
        std::vector<std::vector<std::string>> zeilen;
        std::vector<bool> grau;
        for (const Datumsmarke& d : liste) {
            std::vector<std::string> z{d.name, Z(d.y)};
            if (m().analemma) z.push_back(Z(d.x));
            z.push_back("");
            zeilen.push_back(z);
            grau.push_back(!d.brauchbar);
        }
        s.Tabelle(spalten, zeilen, Tabelle, -1, grau);
    }

    void Schritt5() {
        const auto& text = m().geteilt ? t::Schritt5Geteilt
                                       : (m().analemma ? t::Schritt5Analemma : t::Schritt5Skala);
        Schritt(t::Schritt5, {T(text)}, FigurDatum);
        if (!m().geteilt) {
            Datumsliste(m().datum);
            return;
        }
        s.Zeile(T(t::Vormittag), Text, true);
        Datumsliste(m().datum);
        s.Zeile(T(t::Nachmittag), Text, true);
        Datumsliste(m().nachmittag);
    }

    void Schritt6() {
        const DialParams& p = uhr.p;
        std::vector<std::string> absaetze{Einsetzen(T(t::Schritt6Stehen), {L(p.Hoehe)})};
        if (std::fabs(p.GnomInc) >= 0.05)
            absaetze.push_back(Einsetzen(T(t::Schritt6GnomonGeneigt), {Fest(p.GnomInc, 1)}));
        if (m().geteilt) absaetze.push_back(T(t::Schritt6Geteilt));
        absaetze.push_back(p.Arten == 0 ? T(t::Schritt6Wahr) : T(t::Schritt6Mittel));
        if (p.Zonenzeit)
            absaetze.push_back(T(t::Schritt6Zone));
        else
            absaetze.push_back(Einsetzen(T(t::Schritt6Ohne), {Minuten((p.Lang - p.Zone) / 15)}));
        const Ortsangaben& o = uhr.ort;
        if (o.HatSommerzeit)
            absaetze.push_back(
                // A dial with summer-time numbers carries the sum already.
                Einsetzen(T(SommerzeitGezeigt(uhr) ? t::Schritt6SommerZahlen : t::Schritt6Sommer),
                          {DatumText(o.SzBeginnTag, o.SzBeginnMonat, sp),
                           DatumText(o.SzEndeTag, o.SzEndeMonat, sp),
                           Minuten(o.SzVersatz).substr(2)}));
        Schritt(t::Schritt6, absaetze, FigurStehen);
    }
};

} // namespace

std::string DatumText(int tag, int monat, int sprache) {
    char puffer[16];
    std::snprintf(puffer, sizeof puffer, sprache == 2 ? "%02d/%02d" : "%02d.%02d.", tag, monat);
    return puffer;
}

draw::Seitensatz AbsteckplanSeiten(const Sonnenuhr& uhr, Einheit einheit) {
    draw::Seitensatz satz;
    satz.papier = draw::A4();
    satz.einheitenJeMm = 10;
    Plan plan{uhr, einheit, uhr.sprache.Sprache, {}, {}, {}};
    plan.masse = std::make_shared<Absteckmasse>(AbsteckmasseBerechnen(uhr, einheit));
    plan.uhrModell = std::make_shared<modell::Modell>(modell::DialModell(uhr));
    plan.datumModell = std::make_shared<modell::Modell>(modell::DatumsModell(uhr));
    if (plan.uhrModell->verweigert || plan.uhrModell->elemente.empty()) return satz;

    plan.ErsteSeite();
    plan.Schritt1();
    plan.Schritt2();
    plan.Schritt3();
    plan.Schritt4();
    plan.Schritt5();
    plan.Schritt6();

    const int sprache = plan.sp;
    auto seiten = std::make_shared<std::vector<std::vector<Teil>>>(
        plan.s.Seiten([sprache](int seite, int von) {
            return Einsetzen(lang::Text(sprache, t::Fuss),
                             {std::to_string(seite), std::to_string(von)});
        }));
    satz.seiten = static_cast<int>(seiten->size());
    satz.zeichne = [seiten](draw::Leinwand& lw, int seite) {
        if (seite < 0 || seite >= static_cast<int>(seiten->size())) return;
        for (const Teil& teil : (*seiten)[static_cast<size_t>(seite)])
            teil(lw);
    };
    return satz;
}

} // namespace skiora::report

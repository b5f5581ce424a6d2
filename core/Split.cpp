// Dates, the exact two-hour position, methods 0 and 1, the tables and the
// input table of the split analemma.
#include "core/Split.h"

#include "core/Sonne.h"
#include "core/Zahlen.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace skiora {

void SplitDatum(int r, int anzahl, int& monat, int& tag) {
    const int schritt = anzahl <= 2 ? 14 : (anzahl == 3 ? 10 : 5);
    monat = (r - 1) / anzahl + 1;
    tag = ((r - 1) % anzahl) * schritt + 1;
}

void SplitDaten(DatumsFeld& feld, int anzahl) {
    anzahl = std::clamp(anzahl, 1, 6);
    for (auto& p : feld)
        p = tSkioraPoint{};
    for (int r = 1; r <= 12 * anzahl; ++r) {
        int monat = 0, tag = 0;
        SplitDatum(r, anzahl, monat, tag);
        char puffer[8];
        std::snprintf(puffer, sizeof puffer, "%02d", tag);
        feld[r].name = std::string(puffer) + "." + lang::MonatsNamen[monat] + " ";
    }
}

bool SplitBrauchbar(double y, double b) {
    if (!std::isfinite(y)) return false;
    return !(std::abs(y) > 0.95 * std::abs(b) && Sign(y) == Sign(b));
}

void ZweiStundenPunktAus(const Sonnenuhr& uhr, tSkioraPoint& rec, double T1, double T2) {
    const double E = rec.eot;
    const double a = uhr.p.Halb;
    const double w1 = 15 * (T1 - 12), w2 = 15 * (T2 - 12);
    const double A = (w1 + E) * Rad, B = (w2 + E) * Rad;
    const double p = (uhr.p.Breit - uhr.p.GnomInc) * Rad;
    const double q = (uhr.p.GnomInc - uhr.p.Incl) * Rad;
    const double tn = TanG(rec.decl * Rad);
    const double sAB = std::sin(A - B), sinP = std::sin(p), cosP = std::cos(p);
    double D = sAB * sinP - (std::sin(A) - std::sin(B)) * cosP * tn;
    if (std::abs(D) < 1e-7) D = (Sign(D) + 0.5) * 1e-7;
    // A gnomon parallel to the dial plane would divide by zero.
    double cosQ = std::cos(q);
    if (std::abs(cosQ) < 1e-9) cosQ = (Sign(cosQ) + 0.5) * 1e-9;
    rec.x = ((std::sin(A) - std::sin(B)) * sinP - sAB * cosP * tn) * std::sin(-E * Rad) * a / D;
    const double P =
        (sAB * sinP * std::cos(E * Rad) - (std::sin(w1 * Rad) - std::sin(w2 * Rad)) * cosP * tn) *
        cosP * tn;
    rec.y = ((std::cos(A) - std::cos(B)) * sinP * sinP * std::sin(-E * Rad) + P) * a / (D * cosQ);
    rec.usable = std::isfinite(rec.x) && SplitBrauchbar(rec.y, uhr.Klein);
}

void ZweiStundenPunkt(const Sonnenuhr& uhr, int N, tSkioraPoint& rec, double T1, double T2) {
    const auto s = SonnenStand(uhr.p.Jahr, N, true, uhr.p.Zone, uhr.p.Zone, uhr.p.Breit, 12);
    rec.decl = s.dekl;
    rec.eot = s.eot;
    ZweiStundenPunktAus(uhr, rec, T1, T2);
}

void SplitVerwerfen(Sonnenuhr& uhr) {
    GitterLeeren(uhr.tab.StrGridDat);
    GitterLeeren(uhr.tab.StrGrid8);
    GitterLeeren(uhr.tab.StrGrid8b);
    for (int s = 1; s <= 2; ++s)
        for (int z = 1; z <= 3; ++z)
            uhr.tab.StrMittel.Setze(s, z, "");
    uhr.BildLoeschen();
    uhr.Status = 21;
}

void SplitTabellen(Sonnenuhr& uhr, const DatumsFeld& vor, const DatumsFeld& nach) {
    auto& t = uhr.tab;
    const int sprache = uhr.sprache.Sprache;
    const int anzahl = uhr.p.Anzahl;
    if (t.StrGridDat.Spalten() < 9) t.StrGridDat.groesseSetzen(9, t.StrGridDat.Zeilen());
    FehlerSumme summe[2];

    GitterLeeren(t.StrGrid8b);
    DatumsGitter(t.StrGrid8b, vor, 73, true, false, sprache);
    summe[0] = FehlerTabelle(t.StrGrid8b, uhr.opt.FehlVon, 12, vor, 73, anzahl, uhr);
    GitterLeeren(t.StrGridDat);
    DatumsGitter(t.StrGridDat, vor, 73, true, true, sprache);

    GitterLeeren(t.StrGrid8);
    DatumsGitter(t.StrGrid8, nach, 73, true, false, sprache);
    summe[1] = FehlerTabelle(t.StrGrid8, 12, uhr.opt.FehlBis, nach, 73, anzahl, uhr);
    DatumsGitter(t.StrGridDat, nach, 73, false, true, sprache);
    // The afternoon table holds the right-hand positions: it takes the date
    // table's headings of those columns.
    t.StrGrid8.Setze(1, 0, t.StrGridDat.Zelle(7, 0));
    t.StrGrid8.Setze(2, 0, t.StrGridDat.Zelle(8, 0));

    for (int i = 0; i < 2; ++i) {
        uhr.erg.MaxFehler[i] = summe[i].maxAbs;
        uhr.erg.MittlFehler[i] = summe[i].mittel;
        uhr.erg.Streuung[i] = summe[i].streuung;
        const bool da = summe[i].n > 0;
        t.StrMittel.Setze(i + 1, 1, da ? MinSekText(summe[i].maxAbs) : "???");
        t.StrMittel.Setze(i + 1, 2, da ? MinSekText(summe[i].mittel) : "???");
        t.StrMittel.Setze(i + 1, 3, da ? MinSekText(summe[i].streuung) : "???");
    }
}

// --- method 0 ---

void Sonnenuhr::Methode0() {
    double v1 = 8, v2 = 11, n1 = 13.5, n2 = 17.5;
    if (!opt.DefaultWerte) {
        const auto a = EingabeZahl(tab.StrGridEin, 1, 1), b = EingabeZahl(tab.StrGridEin, 1, 2);
        if (!a || !b) {
            v1 = 9, v2 = 11;
        } else {
            v1 = *a, v2 = *b;
            if (v1 > v2) Tausche(v1, v2);
            if (v1 >= 12) v1 = 9, v2 = 11.5;
            if (v1 < 5) v1 = 5;
            if (v2 > 12) v2 = 12;
        }
        const auto c = EingabeZahl(tab.StrGridEin, 3, 1), d = EingabeZahl(tab.StrGridEin, 3, 2);
        if (!c || !d) {
            n1 = 13, n2 = 17.5;
        } else {
            n1 = *c, n2 = *d;
            if (n1 > n2) Tausche(n1, n2);
            if (n2 <= 12) n1 = 12, n2 = 17.5;
            if (n1 < 12) n1 = 12;
            if (n2 > 20) n2 = 20;
        }
    }
    erg.StundenVor = {};
    erg.StundenNach = {};
    erg.StundenVor[0] = erg.StundenNach[0] = 2;
    erg.StundenVor[1] = v1, erg.StundenVor[2] = v2;
    erg.StundenNach[1] = n1, erg.StundenNach[2] = n2;

    const int s = sprache.Sprache;
    auto& g = tab.StrGridEin;
    GitterLeeren(g);
    g.Setze(1, 0, lang::TextTabelle2(s, 43));
    g.Setze(2, 0, " ");
    g.Setze(3, 0, lang::TextTabelle2(s, 43));
    g.Setze(4, 0, " ");
    g.Setze(1, 1, ZahlText(6, 2, v1));
    g.Setze(1, 2, ZahlText(6, 2, v2));
    g.Setze(3, 1, ZahlText(6, 2, n1));
    g.Setze(3, 2, ZahlText(6, 2, n2));

    if (v1 == v2 || n1 == n2) {
        SplitVerwerfen(*this);
        return;
    }
    SplitDaten(erg.SplitVor1, p.Anzahl);
    SplitDaten(erg.SplitNach1, p.Anzahl);
    for (int r = 1; r <= 12 * std::clamp<int>(p.Anzahl, 1, 6); ++r) {
        int monat = 0, tag = 0;
        SplitDatum(r, std::clamp<int>(p.Anzahl, 1, 6), monat, tag);
        const int N = TagNr(p.Jahr, monat, tag);
        ZweiStundenPunkt(*this, N, erg.SplitVor1[r], v1, v2);
        ZweiStundenPunkt(*this, N, erg.SplitNach1[r], n1, n2);
    }
    SplitTabellen(*this, erg.SplitVor1, erg.SplitNach1);
}

// --- input table ---

std::optional<double> EingabeZahl(const Gitter& g, int spalte, int zeile) {
    std::string t = g.Zelle(spalte, zeile);
    std::replace(t.begin(), t.end(), ',', '.');
    return LiesZahl(t);
}

void ZuVieleStunden(Sonnenuhr& uhr, int grenze) {
    const bool de = uhr.sprache.Sprache == 1;
    const std::string grund =
        de ? " Es werden nur die ersten " + std::to_string(grenze) +
                 " Stunden der Tabelle verwendet."
           : " Only the first " + std::to_string(grenze) + " hours of the table are used.";
    uhr.MeldeNr(6, lang::Titel::Problem, Symbol::Warnung, "", grund);
}

void EingabeZurueckschreiben(Sonnenuhr& uhr, const std::string& gewichtKopf,
                             GewichtZeilen gewichte) {
    const int s = uhr.sprache.Sprache;
    auto& g = uhr.tab.StrGridEin;
    GitterLeeren(g);
    const StundenListe* listen[2][2] = {{&uhr.erg.StundenVor, &uhr.erg.GewichtVor},
                                        {&uhr.erg.StundenNach, &uhr.erg.GewichtNach}};
    for (int i = 0; i < 2; ++i) {
        const int spalte = 1 + 2 * i;
        const StundenListe& H = *listen[i][0];
        const StundenListe& G = *listen[i][1];
        g.Setze(spalte, 0, lang::TextTabelle2(s, 43));
        g.Setze(spalte + 1, 0, gewichtKopf);
        for (int k = 1; k <= static_cast<int>(H[0]); ++k) {
            g.Setze(spalte, k, ZahlText(6, 2, H[k]));
            if (gewichte == GewichtZeilen::Alle) g.Setze(spalte + 1, k, ZahlText(6, 2, G[k]));
        }
        if (gewichte == GewichtZeilen::Zweite) g.Setze(spalte + 1, 2, ZahlText(6, 2, G[2]));
    }
}

bool Sonnenuhr::EingabeZelleSetzen(int spalte, int zeile, const std::string& text) {
    auto& g = tab.StrGridEin;
    if (spalte < 1 || spalte > 4 || zeile < 1 || zeile >= g.Zeilen()) return false;
    std::string t = text;
    std::replace(t.begin(), t.end(), ',', '.');
    bool leer = false;
    if (!LiesZahl(t, &leer) && !leer) {
        MeldeNr(6, lang::Titel::Problem, Symbol::Warnung);
        g.Setze(spalte, zeile, "");
        return false;
    }
    g.Setze(spalte, zeile, leer ? std::string() : t);
    return true;
}

void Sonnenuhr::hoppla() {
    GitterLeeren(tab.StrGrid8);
    GitterLeeren(tab.StrGrid8b);
    GitterLeeren(tab.StrGridDat);
    opt.DefaultWerte = false;
}

} // namespace skiora

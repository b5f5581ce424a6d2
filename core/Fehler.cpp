#include "core/Fehler.h"

#include "core/Sonne.h"

#include <algorithm>
#include <cmath>

namespace skiora {

AblesGeometrie AblesGeometrieVon(const Sonnenuhr& uhr) {
    AblesGeometrie g;
    g.a = uhr.p.Halb;
    g.b = uhr.Klein;
    g.cosQ = std::cos((uhr.p.GnomInc - uhr.p.Incl) * Rad);
    g.sinP = std::sin((uhr.p.Breit - uhr.p.GnomInc) * Rad);
    g.cosP = std::cos((uhr.p.Breit - uhr.p.GnomInc) * Rad);
    g.breit = uhr.p.Breit;
    return g;
}

AblesErgebnis AblesFehler(const AblesGeometrie& g, double T, double yg, double xg, double eot,
                          double decl) {
    AblesErgebnis r;
    r.fehlgeschlagen = !AblesKern(g, AblesStundeVon(g, T), TanG(decl * Rad), xg, yg, eot, r.fehler);
    if (r.fehlgeschlagen) r.fehler = 0;
    return r;
}

AblesErgebnis AblesFehler(const Sonnenuhr& uhr, double T, double yg, double xg, double eot,
                          double decl) {
    return AblesFehler(AblesGeometrieVon(uhr), T, yg, xg, eot, decl);
}

namespace {

std::string StundenKopf(int h, int von) {
    if (h == 12 && von == 12) return "12:30";
    const std::string zahl = std::to_string(h) + ":00";
    if (h < 10 && h != von) return "  " + zahl;
    return " " + zahl;
}

void ZeileLeeren(Gitter& g, int zeile) {
    for (int s = 0; s < g.Spalten(); ++s)
        g.Setze(s, zeile, "");
}

} // namespace

FehlerSumme FehlerTabelle(Gitter& g, int von, int bis, const DatumsFeld& feld, int anzahlFeld,
                          int Anzahl, Sonnenuhr& uhr) {
    FehlerSumme summe;
    const int sprache = uhr.sprache.Sprache;
    if (bis - von <= 1) {
        uhr.Melde(sprache == 1 ? "Zu wenig Daten für Fehlerdurchschnitt!"
                               : "Not eneough data for average calculation!",
                  lang::Titel::Info, Symbol::Frage);
        if (bis == von) return summe;
    }
    g.Setze(5, 0, sprache == 1 ? "Fehler " : "Error");
    for (int h = von; h <= bis; ++h)
        g.Setze(h + 6 - von, 0, StundenKopf(h, von));

    const AblesGeometrie geo = AblesGeometrieVon(uhr);
    double summeAbs = 0, summeE = 0, summeQ = 0;
    const int zeilen =
        std::min(Anzahl * 12, std::min(anzahlFeld, static_cast<int>(feld.size()) - 1));
    for (int r = 1; r <= zeilen; ++r) {
        const tSkioraPoint& p = feld[r];
        if (!p.usable) {
            ZeileLeeren(g, r);
            g.Setze(5, r, "***");
            continue;
        }
        const double tag = HalberTagbogen(p.decl, uhr.p.Breit);
        const double tn = TanG(p.decl * Rad);
        double zeileAbs = 0;
        int zeileN = 0;
        for (int h = von; h <= bis; ++h) {
            const double T = (h == 12 && von == 12) ? 12.5 : h;
            if (std::abs(T - 12) >= tag) continue; // the Sun is down
            double e = 0;
            if (!AblesKern(geo, AblesStundeVon(geo, T), tn, p.x, p.y, p.eot, e)) {
                g.Setze(h + 6 - von, r, " error");
                continue;
            }
            g.Setze(h + 6 - von, r, MinSekText(e));
            zeileAbs += std::abs(e);
            ++zeileN;
            summeAbs += std::abs(e);
            summeE += e;
            summeQ += e * e;
            summe.maxAbs = std::max(summe.maxAbs, std::abs(e));
            ++summe.n;
        }
        g.Setze(5, r, zeileN > 0 ? MinSekText(zeileAbs / zeileN) : "???");
    }
    if (summe.n > 0) {
        const double n = summe.n;
        summe.mittel = summeAbs / n;
        const double mittelE = summeE / n;
        // Rounding may leave a hair below zero when all errors are equal.
        summe.streuung = std::sqrt(std::max(0.0, summeQ / n - mittelE * mittelE));
    }
    return summe;
}

} // namespace skiora

// The date marks of the two simple kinds (on the minor axis, on the
// analemma) and the writing of date arrays into tables.
#include "Sonne.h"
#include "Sonnenuhr.h"
#include "Zahlen.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace skiora {

void GitterLeeren(Gitter& g) {
    g.Leeren();
}

void DatumsGitter(Gitter& g, const DatumsFeld& feld, int anzahl, bool voll, bool istDatGitter,
                  int sprache) {
    const int w = istDatGitter ? 8 : 7;
    const bool deutsch = sprache != 2;
    if (voll) {
        g.Setze(0, 0, deutsch ? "Datum  " : " Date  ");
        g.Setze(1, 0, deutsch ? " x-li. " : " x_left ");
        g.Setze(2, 0, deutsch ? " y-li. " : " y_left ");
        g.Setze(4, 0, deutsch ? " Dekl.  " : " decl. ");
        g.Setze(5, 0, "  EoT  ");
    } else {
        g.Setze(7, 0, deutsch ? "  x-re. " : " x_right");
        g.Setze(8, 0, deutsch ? " y-re. " : " y_right");
    }
    const int letzte = std::min({anzahl - 1, 73, static_cast<int>(feld.size()) - 1});
    for (int r = 1; r <= letzte; ++r) {
        const tSkioraPoint& pkt = feld[r];
        if (pkt.name.empty()) break;
        if (voll) {
            g.Setze(0, r, pkt.name);
            g.Setze(1, r, ZahlText(w, w - 4, pkt.x));
            g.Setze(2, r, ZahlText(w, w - 4, pkt.y));
            g.Setze(4, r, ZahlText(8, 3, pkt.decl));
            g.Setze(5, r, MinSekText(pkt.eot));
        } else {
            g.Setze(7, r, ZahlText(w, w - 4, pkt.x));
            g.Setze(8, r, ZahlText(w, w - 4, pkt.y));
        }
    }
}

void Sonnenuhr::DatumsPunkt(int index, int jahr, int monat, int tag) {
    if (index < 1 || index >= static_cast<int>(erg.DatumsPunkte.size())) return;
    if (monat < 1 || monat > 12 || tag < 1 || tag > 31) return;
    const double ref = p.Zonenzeit ? p.Zone : p.Lang;
    const SonnenStandErgebnis s =
        SonnenStand(jahr, TagNr(jahr, monat, tag), false, ref, p.Lang, p.Breit, 12);
    tSkioraPoint& pkt = erg.DatumsPunkte[index];
    pkt.decl = s.dekl;
    pkt.eot = s.eot;
    // The date point moves against the equation of time: the date scale
    // becomes the figure-eight of the analemma.
    pkt.x = -s.eot * Rad * p.Halb;
    pkt.y = p.Halb * std::tan(s.dekl * Rad) * std::sin((p.GnomWinkel - p.Breit) * Rad) / SinGI;
    char name[8];
    std::snprintf(name, sizeof name, "%02d.", tag);
    pkt.name = std::string(name) + lang::MonatsNamen[monat] + " ";
}

void Sonnenuhr::DatumsTabelle() {
    for (int i = 1; i <= 72; ++i)
        erg.DatumsPunkte[i].name.clear();
    Abgeleitet();

    // Only 1, 2, 3 or 6 marks a month exist; anything else counts as 3.
    const int anzahl = p.Anzahl;
    const int proMonat = (anzahl == 1 || anzahl == 2 || anzahl == 3 || anzahl == 6) ? anzahl : 3;
    const int schritt = proMonat <= 2 ? 14 : (proMonat == 3 ? 10 : 5);
    int index = 0;
    auto neu = [&](int monat, int tag) { DatumsPunkt(++index, p.Jahr, monat, tag); };

    neu(12, 21);
    if (proMonat == 6) neu(12, 26);
    for (int monat = 1; monat <= 12; ++monat) {
        for (int k = 1; k <= proMonat; ++k) {
            const int tag = (k - 1) * schritt + 1;
            if (monat == 12 && tag >= 21) continue; // already at the front
            neu(monat, tag);
        }
        if (monat == 6 && proMonat <= 2) neu(6, 21);
    }

    GitterLeeren(tab.StrGridDat);
    GitterLeeren(tab.StrGrid8);
    GitterLeeren(tab.StrGrid8b);
    DatumsGitter(tab.StrGridDat, erg.DatumsPunkte, 73, true, true, sprache.Sprache);
    if (p.Arten == 0) {
        // Marks on the minor axis: the table shows them at x = 0; the array
        // keeps the analemma's x values.
        for (int r = 1; r < tab.StrGridDat.Zeilen(); ++r)
            if (!tab.StrGridDat.Zelle(1, r).empty()) tab.StrGridDat.Setze(1, r, "  0.000");
    }
}

} // namespace skiora

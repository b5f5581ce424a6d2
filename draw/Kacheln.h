#pragma once
// Full-size tiles: the dial (or only its date scale) at a chosen scale on as
// many sheets as it needs. Sheets overlap by 10 mm; a sheet is cut along the
// marks at its left and top edge and laid over its neighbours so that the
// registration crosses meet. Only sheets with something on them are printed;
// the first page is the assembly map. Page unit: 0.01 mm.
#include "ModellBild.h"
#include "Seitensatz.h"

#include <cstdint>
#include <string>
#include <vector>

namespace skiora::draw {

inline constexpr int KachelEinheitenJeMm = 100;
inline constexpr int Ueberlappung = 10 * KachelEinheitenJeMm;
inline constexpr int HoechsteSeitenzahl = 2000;
inline constexpr double KleinsterMassstab = 1, GroessterMassstab = 1000;

struct KachelWahl {
    double massstab = 1; // 1:massstab
    Papier papier = A4();
    bool nurDatum = false; // the date scale alone
};

struct Kachel {
    int spalte = 0, zeile = 0; // 0-based; row 0 is the northern edge
    std::string name;          // "B3": column letter, row number
};

struct Kachelplan {
    KachelWahl wahl;
    // Page geometry in 0.01 mm: the margins around the content area.
    int links = 0, oben = 0, breite = 0, hoehe = 0; // content area
    double s = 1;                                   // page units per metre
    std::int64_t spalten = 0, zeilen = 0;
    double westRand = 0, nordRand = 0; // dial metres at the top-left corner of A1's area
    std::vector<Kachel> kacheln;       // with something on them, row by row
    // More than HoechsteSeitenzahl sheets would be needed: nothing is laid out.
    bool zuViele = false;
    std::int64_t gezaehlt = 0; // sheets counted before giving up (> 2000 when zuViele)

    int stepX() const { return breite - Ueberlappung; }
    int stepY() const { return hoehe - Ueberlappung; }
    // The mapping of dial metres onto the page of the tile in (spalte, zeile).
    Abbildung AbbildungFuer(std::int64_t spalte, std::int64_t zeile) const;
};

// "A".."Z", "AA"... for a column, "B3" for a tile.
std::string SpaltenName(std::int64_t spalte);
std::string KachelName(std::int64_t spalte, std::int64_t zeile);

Kachelplan KachelnPlanen(const modell::Modell& m, const KachelWahl& wahl);

// The assembly map: the page grid over a small picture of the dial, printed
// sheets named, empty ones left blank; inside the box (page units).
void Uebersicht(Leinwand& lw, const modell::Modell& m, const Kachelplan& plan,
                const Bereich& kasten, int schrift);

// The document: assembly map first, then one page per tile. `sprache` 1/2.
Seitensatz KachelSeiten(const modell::Modell& m, const Kachelplan& plan, int sprache,
                        const std::string& titel);

} // namespace skiora::draw

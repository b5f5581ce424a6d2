#pragma once
// A document of pages laid out in plain C++: its paper, the page unit and a
// routine that draws any one page onto a Leinwand. The PDF writer and the
// printer only turn pages into paper; tests draw the same pages onto the
// recording canvas.
#include "Leinwand.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace skiora::draw {

// A sheet of paper in portrait, in tenths of a millimetre.
struct Papier {
    std::string name; // "A4", "A3", "Letter"
    int breite = 0, hoehe = 0;
    bool operator==(const Papier&) const = default;
};

Papier A4();
// "A4", "A3" or "Letter" (as written); nothing for any other name.
std::optional<Papier> PapierNamens(std::string_view name);

struct Seitensatz {
    Papier papier;
    // Page units per millimetre: 10 for the printed sheets, 100 where a line
    // must sit at its true place to a hundredth (the full-size tiles).
    int einheitenJeMm = 10;
    int seiten = 0;
    // Draws page `seite` (0-based) with the origin at the paper's top-left
    // corner, y downward, in page units.
    std::function<void(Leinwand&, int seite)> zeichne;

    int breite() const { return papier.breite * einheitenJeMm / 10; }
    int hoehe() const { return papier.hoehe * einheitenJeMm / 10; }
};

} // namespace skiora::draw

#pragma once
// Test helpers: a calculated dial of each kind, and a plot taken apart into
// its commands.
#include "core/Sonnenuhr.h"

#include <string>
#include <vector>

namespace skiora::export_::test {

// arten: 0 date scale, 1 analemma (the default), 2 split analemma.
void Berechne(Sonnenuhr& uhr, int arten = 1);

struct Befehl {
    std::string name; // "PU", "LB", ...
    std::string par;  // for LB the text without ETX
};
std::vector<Befehl> Befehle(const std::string& plot);

// What a DXF of the plot must hold: polylines from the EA frame and the
// visible parts of the pen-down runs (clipped by an IW window), circles, texts.
struct Anzahlen {
    int polylinien = 0, kreise = 0, texte = 0;
};
Anzahlen Erwartet(const std::string& plot);

} // namespace skiora::export_::test

#pragma once
// The steps of a command-line run, each in its own file. Every step returns
// false when it failed (exit status 1); its messages went to the document's
// Melder ("caption: text" on standard error).
#include "Befehlszeile.h"

#include <string>

namespace skiora {
class Sonnenuhr;
}

namespace skiora::cli {

// CONFIG, or the start configuration beside the program (Konfig.cpp).
bool SchrittKonfigLaden(Sonnenuhr& uhr, const Befehlszeile& bz, const std::string& programmPfad);
// The tables of the loaded dial, as the window has them (Konfig.cpp).
void SchrittRechnen(Sonnenuhr& uhr, const Befehlszeile& bz);
// --save-config (Konfig.cpp).
bool SchrittKonfigSpeichern(Sonnenuhr& uhr, const Befehlszeile& bz);
// --table NAME FILE ... (Tabellen.cpp).
bool SchrittTabellen(Sonnenuhr& uhr, const Befehlszeile& bz);
// --hpgl / --dxf / --scaled (Plot.cpp).
bool SchrittPlot(Sonnenuhr& uhr, const Befehlszeile& bz);

} // namespace skiora::cli

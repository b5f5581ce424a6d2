#pragma once
// The steps of a command-line run, each in its own file. Every step returns
// false when it failed (exit status 1); its messages went to the document's
// Melder ("caption: text" on standard error).
#include "Befehlszeile.h"
#include "report/SeitenDatei.h"

#include <string>

namespace skiora {
class Sonnenuhr;
}

namespace skiora::cli {

// CONFIG, or the start configuration beside the program (Konfig.cpp).
bool SchrittKonfigLaden(Sonnenuhr& uhr, const Befehlszeile& bz, const std::string& programmPfad);
// --save-config (Konfig.cpp).
bool SchrittKonfigSpeichern(Sonnenuhr& uhr, const Befehlszeile& bz);
// --table NAME FILE ... (Tabellen.cpp).
bool SchrittTabellen(Sonnenuhr& uhr, const Befehlszeile& bz);
// --svg-mm / --dxf-mm with --units, --point-diameter, --font-size (Fertigung.cpp).
bool SchrittFertigung(Sonnenuhr& uhr, const Befehlszeile& bz);
// --hpgl / --dxf / --scaled (Plot.cpp).
bool SchrittPlot(Sonnenuhr& uhr, const Befehlszeile& bz);

using report::PdfMacher;
// --layout-pdf and --tiles-pdf (Seiten.cpp). Returns 0, 1 (not written) or 2
// (the tiles would exceed the page limit); `pdf` is the Qt PDF writer.
int SchrittSeiten(Sonnenuhr& uhr, const Befehlszeile& bz, const PdfMacher& pdf);

} // namespace skiora::cli

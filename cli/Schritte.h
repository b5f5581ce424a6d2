#pragma once
// The steps of a command-line run, each in its own file. Every step returns
// false when it failed (exit status 1); its messages went to the document's
// Melder ("caption: text" on standard error).
#include "Befehlszeile.h"
#include "report/SeitenDatei.h"

#include <string>
#include <vector>

namespace skiora {
class Sonnenuhr;
}

namespace skiora::cli {

// CONFIG, or the start configuration beside the program (Konfig.cpp).
bool SchrittKonfigLaden(Sonnenuhr& uhr, const Befehlszeile& bz, const std::string& programmPfad);
// Lets the document follow its time zone's summer time when the year changes
// (Ort.cpp); before the configuration is read.
void SchrittOrtAnschliessen(Sonnenuhr& uhr);
// --place, --tz, --summer-time, after the configuration (Ort.cpp): 0 when
// applied, 2 for a usage error (no such place, an unknown zone, summer time
// without a zone), 1 when the zone has no summer time in the year.
int SchrittOrt(Sonnenuhr& uhr, const Befehlszeile& bz);
// The tables of the loaded dial, as the window has them (Konfig.cpp).
void SchrittRechnen(Sonnenuhr& uhr, const Befehlszeile& bz);
// --save-config (Konfig.cpp).
bool SchrittKonfigSpeichern(Sonnenuhr& uhr, const Befehlszeile& bz);
// --table NAME FILE ... (Tabellen.cpp).
bool SchrittTabellen(Sonnenuhr& uhr, const Befehlszeile& bz);
// --svg-mm / --dxf-mm with --units, --point-diameter, --font-size (Fertigung.cpp).
bool SchrittFertigung(Sonnenuhr& uhr, const Befehlszeile& bz);
// --hpgl / --dxf / --scaled (Plot.cpp).
bool SchrittPlot(Sonnenuhr& uhr, const Befehlszeile& bz);

using report::PdfMacher;
// --layout-pdf and --tiles-pdf (Seiten.cpp); `pdf` is the Qt PDF writer.
bool SchrittSeiten(Sonnenuhr& uhr, const Befehlszeile& bz, const PdfMacher& pdf);
// Before anything is written: false, after the message, when the tiles of the
// calculated dial would exceed the page limit (a usage error, status 2).
bool SeitenPassen(Sonnenuhr& uhr, const Befehlszeile& bz);

// --noon-table, --reach-table and --heights (Sonnentabellen.cpp): takes the
// option at args[i] (moving i past its value) and returns true when it was
// one of them; `fehler` then names a usage error.
bool SonnenOption(const std::vector<std::string>& args, std::size_t& i, Befehlszeile& bz,
                  std::string& fehler);
// The readers' heights, before the calculation.
void SchrittLeser(Sonnenuhr& uhr, const Befehlszeile& bz);
// Writes the noon table and the shadow reach table.
bool SchrittSonnentabellen(Sonnenuhr& uhr, const Befehlszeile& bz);

} // namespace skiora::cli

#pragma once
// Export of a result table as a semicolon-separated file for spreadsheets:
// a title, a header block describing the dial, then every cell of the table
// as "text"; with CR LF line ends in the Windows code page.
#include "core/Gitter.h"

#include <optional>
#include <ostream>
#include <string>

namespace skiora {
class Sonnenuhr;
}

namespace skiora::report {

// The result page (table) whose file is written.
enum class Seite {
    Stunden,    // StrGridStd, page TsDat
    Schatten,   // StrGridShad, page tsShade
    Datum,      // StrGridDat, page TSAnaDat
    Vormittag,  // StrGrid8b
    Nachmittag, // StrGrid8
    Mittel,     // StrMittel
    Eingabe     // StrGridEin
};

// Title and header lines H1..H5, as UTF-8 text without line ends.
struct Kopf {
    std::string titel;
    std::string h1, h2, h3, h4, h5;
};

// Builds the header from the document in its current language. Returns
// nothing (and the reason in `fehler`) when a cell of StrGridEin that the
// split-analemma lines need is empty or not a number.
std::optional<Kopf> KopfBauen(const Sonnenuhr& uhr, Seite seite, std::string* fehler = nullptr);

const Gitter& TabelleVon(const Sonnenuhr& uhr, Seite seite);

// The table lines: every row, every column, each cell "text";
void TabelleSchreiben(const Gitter& g, std::ostream& aus);

// The whole file: title, blank field, H1..H5, blank field, table.
void CsvSchreiben(const Kopf& kopf, const Gitter& g, std::ostream& aus);

// The export of one page to a file, made in memory and written by the one
// safe write path; false with `fehler` set (in the document's language) when
// the header cannot be built or the file cannot be written.
bool TabelleSpeichern(const Sonnenuhr& uhr, Seite seite, const std::string& pfad,
                      std::string& fehler);

// The name the save dialog's choice becomes: the extension of the file name
// part is replaced by ".csv" (filter 1) or ".txt" (filter 2).
std::string TabellenDateiname(const std::string& gewaehlt, int filterIndex);

} // namespace skiora::report

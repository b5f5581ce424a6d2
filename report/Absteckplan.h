#pragma once
// The layout sheet: the dial at a stated scale with its reference marks on
// the first page, then the six steps that take it onto the ground, each with
// a small figure and its numbers. A4 portrait, 0.1 mm, in the document's
// language.
#include "Laengen.h"
#include "draw/Seitensatz.h"

namespace skiora {
class Sonnenuhr;
}

namespace skiora::report {

// No pages (seiten = 0) when the document has no dial to lay out (a refused
// calculation).
draw::Seitensatz AbsteckplanSeiten(const Sonnenuhr& uhr, Einheit einheit);

// A date as the sheet writes it: "07.01." or "07/01".
std::string DatumText(int tag, int monat, int sprache);

} // namespace skiora::report

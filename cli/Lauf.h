#pragma once
// Runs the command line without a window: load, calculate, write outputs.
#include "Befehlszeile.h"
#include "report/SeitenDatei.h"

#include <functional>
#include <string>

namespace skiora {
class Sonnenuhr;
}

namespace skiora::cli {

// Outputs that need Qt (pictures, PDF) are handed in by the program entry;
// each returns false and sets `fehler` when its file could not be written.
struct QtAusgaben {
    std::function<bool(Sonnenuhr&, const Befehlszeile&, std::string& fehler)> bilder;
    std::function<bool(Sonnenuhr&, const Befehlszeile&, std::string& fehler)> drucke;
    // Pages laid out by the plain layers as PDF bytes, with the document's
    // title; nothing when the PDF writer failed.
    report::PdfMacher pdfSeiten;
};

// Exit status: 0 success, 1 an input refused or an output not written, 2 a
// choice the outputs cannot serve (tiles beyond the page limit).
int Ausfuehren(const Befehlszeile& bz, const QtAusgaben* qt, const std::string& programmPfad);

} // namespace skiora::cli

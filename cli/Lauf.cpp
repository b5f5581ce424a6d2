#include "Lauf.h"

#include "Schritte.h"
#include "core/Sonnenuhr.h"
#include "core/Zahlen.h"
#include "draw/Zeichnung.h"

#include <iostream>

namespace skiora::cli {

namespace {

// Messages of a run without a window: "caption: text" on standard error,
// with the message boxes' line breaks as plain new lines.
class FehlerAusgabe : public Melder {
  public:
    void Zeige(const std::string& text, const std::string& titel, Symbol) override {
        std::string zeilen;
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\r' || text[i] == '\n') {
                if (i + 1 < text.size() && (text[i + 1] == '\r' || text[i + 1] == '\n') &&
                    text[i + 1] != text[i])
                    ++i;
                zeilen += '\n';
            } else {
                zeilen += text[i];
            }
        }
        std::cerr << titel << ": " << zeilen << "\n";
    }
};

} // namespace

int Ausfuehren(const Befehlszeile& bz, const QtAusgaben* qt, const std::string& programmPfad) {
    if (bz.hilfe) {
        std::cout << Gebrauch();
        return 0;
    }
    FehlerAusgabe melder;
    Sonnenuhr uhr;
    uhr.setzeMelder(&melder);
    // Summer time follows the year of the configuration and of the calculation.
    SchrittOrtAnschliessen(uhr);

    // A configuration not read whole leaves no dial to write: no output at
    // all rather than files of another dial under the requested names.
    if (!SchrittKonfigLaden(uhr, bz, programmPfad)) return 1;
    // A place or zone that cannot be found is a usage error: nothing is written.
    const int ort = SchrittOrt(uhr, bz);
    if (ort == 2) return 2;
    SchrittLeser(uhr, bz);
    SchrittRechnen(uhr, bz);
    // A refused calculation (status 11, 12, 21), or summer time asked for in a
    // year without, was reported; the outputs are still written as the window
    // would show them, but the run failed.
    bool ok = uhr.Status == 0 && ort == 0;
    if (bz.ansicht) {
        uhr.ansicht.Zoom = (*bz.ansicht)[0];
        uhr.ansicht.DeltaX = Naechste((*bz.ansicht)[1]);
        uhr.ansicht.DeltaY = Naechste((*bz.ansicht)[2]);
    }
    // The plot converts the pan through the width of the screen picture: the
    // picture of --size, narrowed as the window narrows it.
    const auto [breite, hoehe] =
        bz.groesse.value_or(std::pair{draw::StandardBildBreite, draw::StandardBildHoehe});
    if (breite > 0 && hoehe > 0) {
        uhr.rahmen.SchirmBildBreite = draw::SchmaleBreite(breite, hoehe);
        uhr.rahmen.SchirmBildHoehe = hoehe;
    }
    // Tiles beyond the page limit refuse the run before any file is written.
    if (!SeitenPassen(uhr, bz)) return 2;

    ok = SchrittKonfigSpeichern(uhr, bz) && ok;
    ok = SchrittTabellen(uhr, bz) && ok;
    ok = SchrittFertigung(uhr, bz) && ok; // before the plot changes the axis
    ok = SchrittSeiten(uhr, bz, qt ? qt->pdfSeiten : nullptr) && ok; // so are the pages
    ok = SchrittPlot(uhr, bz) && ok;
    ok = SchrittSonnentabellen(uhr, bz) && ok;
    if (qt) {
        for (const auto* ausgabe : {&qt->bilder, &qt->drucke}) {
            if (!*ausgabe) continue;
            std::string fehler;
            if (!(*ausgabe)(uhr, bz, fehler)) {
                if (!fehler.empty()) uhr.Melde(fehler, lang::Titel::Fehler, Symbol::Fehler);
                ok = false;
            }
        }
    }
    return ok ? 0 : 1;
}

} // namespace skiora::cli

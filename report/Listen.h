#pragma once
// Printing of the result lists: each table with its title and the lines that
// describe the dial, ruled and framed, in a fixed-pitch font, onto any
// Leinwand in the 0.1 mm page mapping (y downward). Page breaks go through
// SeitenFolge, so the printer and a recording in a test look the same here.
#include "core/Sonnenuhr.h"
#include "draw/Leinwand.h"

#include <optional>
#include <string>
#include <vector>

namespace skiora::report {

// The page of the main window in front when the command is given.
enum class Anzeige { Grafik, Stunden, Schatten, Datum, Split };

class SeitenFolge {
  public:
    virtual ~SeitenFolge() = default;
    virtual void NeueSeite() = 0;
    // The printable area of one page, 0.1 mm.
    virtual int Breite() const = 0;
    virtual int Hoehe() const = 0;
};

// The lines above every table: P1 to P3, then the fourth line (the rise/set
// position), or for a split dial the method lines (with their continuation
// lines and the afternoon line).
struct ListenKopf {
    std::string P1, P2, P3, P4;
    struct Zeile {
        std::string text;
        bool rechtsbuendig = false; // a continuation, right-aligned under the line before
    };
    std::vector<Zeile> methode;
};

// Nothing (and the reason in `fehler`) when a cell of StrGridEin that the
// method lines need is not a number; check before a print job is opened.
std::optional<ListenKopf> ListenKopfBauen(const Sonnenuhr& uhr, std::string& fehler);

// "Print Displayed List" while the drawing is in front: nothing to print;
// shows the message and returns true.
bool DruckAbgelehnt(Sonnenuhr& uhr, Anzeige anzeige, bool alleListen);

// The sections of the command, in their order.
enum class Abschnitt { Stunden, Schatten, Datum, Split };
std::vector<Abschnitt> Abschnitte(const Sonnenuhr& uhr, Anzeige anzeige, bool alleListen);

// Prints the chosen sections; the document's first page is already open.
void ListenDrucken(Sonnenuhr& uhr, draw::Leinwand& lw, SeitenFolge& seiten,
                   const std::vector<Abschnitt>& abschnitte, const ListenKopf& kopf);

// The line height for the list font: 1.2 times the height of "123".
int ZeilenHoehe(draw::Leinwand& lw);

} // namespace skiora::report

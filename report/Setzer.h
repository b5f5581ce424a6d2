#pragma once
// Sets printed pages from top to bottom: lines, wrapped paragraphs, boxes for
// figures and tables that continue on the next page with their header. The
// layout is decided without a canvas, with an estimate of text widths that
// errs on the wide side, so that the pages are the same on paper, in a PDF
// and in a test. What is drawn is kept per page and drawn later.
#include "draw/Leinwand.h"

#include <functional>
#include <string>
#include <vector>

namespace skiora::report {

using Teil = std::function<void(draw::Leinwand&)>;

struct Kasten {
    int x = 0, y = 0, breite = 0, hoehe = 0;
    int rechts() const { return x + breite; }
    int unten() const { return y + hoehe; }
};

// Width of a text in page units by the estimate the layout uses.
int GeschaetzteBreite(const std::string& text, int schrift, bool fett = false);
// A text broken into lines no wider than `breite` (at blanks; a single word
// that is too long stays whole).
std::vector<std::string> Umbrechen(const std::string& text, int schrift, int breite);

// A column of a table: its width, and whether its texts are right-aligned.
struct Spalte {
    std::string kopf;
    int breite = 0;
    bool rechts = false;
    bool haken = false; // an empty box to tick instead of a text
};

class Setzer {
  public:
    // Page size and the margin on every side, page units (0.1 mm); the foot
    // line lies in the bottom margin.
    Setzer(int breite, int hoehe, int rand);

    int links() const { return rand_; }
    int rechts() const { return breite_ - rand_; }
    int satzbreite() const { return breite_ - 2 * rand_; }
    int y() const { return y_; }
    void SetzeY(int y) { y_ = y; }

    // Room for `hoehe` below the current position, on a new page if needed.
    void Platz(int hoehe);
    void NeueSeite();
    void Abstand(int dy) { y_ += dy; }
    void Zeichne(Teil t);

    // One line of text at x; the position moves down by its line height.
    void Zeile(const std::string& text, int schrift, bool fett = false, int x = -1,
               draw::Farbe farbe = draw::farben::Schwarz);
    // A wrapped paragraph in the column [x, x + breite).
    void Absatz(const std::string& text, int schrift, int x = -1, int breite = -1);
    // Rows of a table with a header, continued on further pages as needed;
    // `markiert` rows get a light background.
    void Tabelle(const std::vector<Spalte>& spalten,
                 const std::vector<std::vector<std::string>>& zeilen, int schrift, int x = -1,
                 const std::vector<bool>& markiert = {});

    // The pages set so far, each with its foot line: fuss(page 1.., pages).
    std::vector<std::vector<Teil>> Seiten(const std::function<std::string(int, int)>& fuss) const;
    int seitenZahl() const { return static_cast<int>(seiten_.size()); }

    static int Zeilenhoehe(int schrift) { return schrift * 4 / 3; }

  private:
    int breite_, hoehe_, rand_;
    int y_;
    std::vector<std::vector<Teil>> seiten_;
};

// Draws a text with its top-left corner at (x, y) in the given font.
void Schreibe(draw::Leinwand& lw, int x, int y, const std::string& text, int schrift,
              bool fett = false, draw::Farbe farbe = draw::farben::Schwarz);
// The same, right-aligned to x.
void SchreibeRechts(draw::Leinwand& lw, int x, int y, const std::string& text, int schrift,
                    bool fett = false);

} // namespace skiora::report

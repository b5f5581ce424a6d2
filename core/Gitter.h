#pragma once
// A result table as the window shows it: a fixed grid of texts, addressed
// like the window's string grids as (column, row), row 0 being the header.
#include <string>
#include <vector>

namespace skiora {

class Gitter {
  public:
    Gitter() = default;
    Gitter(int spalten, int zeilen) { groesseSetzen(spalten, zeilen); }

    int Spalten() const { return spalten_; }
    int Zeilen() const { return zeilen_; }

    // Out-of-range reads give the empty text and writes are ignored, so a
    // computation can never run past a table the window sized differently.
    const std::string& Zelle(int spalte, int zeile) const;
    void Setze(int spalte, int zeile, std::string text);

    // Keeps the texts that still fit.
    void groesseSetzen(int spalten, int zeilen);
    // Every cell becomes "" (not a blank).
    void Leeren();

    bool operator==(const Gitter&) const = default;

  private:
    int spalten_ = 0;
    int zeilen_ = 0;
    std::vector<std::string> zellen_; // row-major
};

} // namespace skiora

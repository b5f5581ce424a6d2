#pragma once
// A canvas that keeps every operation, so tests can ask what was drawn:
// "is there a red circle of radius 3 at (X, Y)". Text metrics follow a simple
// deterministic model: every character is half the font height wide (rounded
// up), a text is as high as the font.
#include "Leinwand.h"

#include <optional>
#include <string>
#include <vector>

namespace skiora::draw {

enum class OpArt { Linie, Rechteck, Ellipse, Text };

struct Operation {
    OpArt art;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0; // Text: x1, y1 only
    std::string text;
    Stift stift;
    Pinsel pinsel;
    Schrift schrift;

    // Circles: centre and radius of an ellipse with a square box.
    bool istKreis() const { return art == OpArt::Ellipse && x2 - x1 == y2 - y1; }
    int mitteX() const { return (x1 + x2) / 2; }
    int mitteY() const { return (y1 + y2) / 2; }
    int radius() const { return (x2 - x1) / 2; }
};

class AufzeichnungsLeinwand : public Leinwand {
  public:
    std::vector<Operation> ops;

    void Rectangle(int x1, int y1, int x2, int y2) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;

    // --- questions of the tests ---
    // A circle of radius r around (x, y) filled with the brush colour.
    bool HatKreis(int x, int y, int r, Farbe pinselFarbe) const;
    std::vector<const Operation*> Kreise() const;
    std::vector<const Operation*> Texte() const;
    std::vector<const Operation*> Linien() const;
    // The first text operation with exactly this text.
    const Operation* FindeText(const std::string& text) const;
    std::vector<std::string> TextListe() const;
    void Leeren() { ops.clear(); }

  protected:
    void Linie(int x1, int y1, int x2, int y2) override;

  private:
    void Aufnehmen(OpArt art, int x1, int y1, int x2, int y2, const std::string& text = {});
};

} // namespace skiora::draw

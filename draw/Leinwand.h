#pragma once
// The drawing surface the dial is drawn on: the screen picture, the printer
// page, an SVG or PNG file, or a recording for tests. Integer coordinates,
// y pointing down. The drawing state (pen, brush, font) is kept here and read
// by the implementations at each operation.
#include <cstdint>
#include <string>

namespace skiora::draw {

// Colour as the platform writes it: hex in blue-green-red byte order.
using Farbe = std::uint32_t;

namespace farben {
inline constexpr Farbe Schwarz = 0x000000;
inline constexpr Farbe Weiss = 0xFFFFFF;
inline constexpr Farbe Rot = 0x0000FF;
inline constexpr Farbe Gruen = 0x008000;
inline constexpr Farbe Navy = 0x800000;
inline constexpr Farbe Maroon = 0x000080;
inline constexpr Farbe Lime = 0x00FF00;
inline constexpr Farbe Silber = 0xC0C0C0;
inline constexpr Farbe Bildhintergrund = 0xDFDFDF;
// The pen of the sunrise directions: Bildhintergrund + 2000 (hex).
inline constexpr Farbe Konstruktion = 0xDFE7AF;
} // namespace farben

inline int RotAnteil(Farbe f) {
    return static_cast<int>(f & 0xFF);
}
inline int GruenAnteil(Farbe f) {
    return static_cast<int>((f >> 8) & 0xFF);
}
inline int BlauAnteil(Farbe f) {
    return static_cast<int>((f >> 16) & 0xFF);
}

enum class StiftArt { Voll, Unsichtbar };
enum class PinselArt { Voll, Leer };

struct Stift {
    Farbe farbe = farben::Schwarz;
    int breite = 1;
    StiftArt art = StiftArt::Voll;
    bool operator==(const Stift&) const = default;
};

struct Pinsel {
    Farbe farbe = farben::Weiss;
    PinselArt art = PinselArt::Voll;
    bool operator==(const Pinsel&) const = default;
};

struct Schrift {
    std::string name = "Arial";
    int hoehe = 16; // character cell height in surface units
    Farbe farbe = farben::Schwarz;
    bool fett = false;
    bool operator==(const Schrift&) const = default;
};

class Leinwand {
  public:
    virtual ~Leinwand() = default;

    Stift stift;
    Pinsel pinsel;
    Schrift schrift;

    void StiftFarbe(Farbe f) { stift.farbe = f; }
    void StiftBreite(int b) { stift.breite = b; }
    void StiftStil(StiftArt a) { stift.art = a; }
    void PinselFarbe(Farbe f) { pinsel.farbe = f; }
    void PinselStil(PinselArt a) { pinsel.art = a; }
    void SchriftName(const std::string& n) { schrift.name = n; }
    void SchriftHoehe(int h) { schrift.hoehe = h; }
    void SchriftFarbe(Farbe f) { schrift.farbe = f; }
    void SchriftFett(bool b) { schrift.fett = b; }

    // The pen position: LineTo draws from it (the end point itself excluded,
    // as the platform does) and moves it.
    void MoveTo(int x, int y) {
        penX_ = x;
        penY_ = y;
    }
    void LineTo(int x, int y) {
        Linie(penX_, penY_, x, y);
        penX_ = x;
        penY_ = y;
    }
    int PenX() const { return penX_; }
    int PenY() const { return penY_; }

    // Outline with the pen, inside with the brush; (x2, y2) lies just outside.
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    // The ellipse inscribed in the rectangle, outline and fill as Rectangle.
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
    // Text with its top-left corner at (x, y), in the font colour, on the
    // brush colour when the brush is solid. Texts are UTF-8.
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    virtual int TextWidth(const std::string& text) = 0;
    virtual int TextHeight(const std::string& text) = 0;

    // Nothing is drawn outside the rectangle until the next call of either;
    // the pages of full-size tiles cut the dial at their edges this way.
    // A canvas that cannot clip (the recording canvas) draws everything.
    virtual void Ausschnitt(int /*x1*/, int /*y1*/, int /*x2*/, int /*y2*/) {}
    virtual void OhneAusschnitt() {}

  protected:
    virtual void Linie(int x1, int y1, int x2, int y2) = 0;

  private:
    int penX_ = 0, penY_ = 0;
};

} // namespace skiora::draw

#pragma once
// Coordinates of a drawing are computed in 64 bits; the ticks reach three half
// widths from the centre and a large zoom sends points far away. Zeichner
// clips everything to a window of +-Grenze before it reaches the canvas, so no
// canvas ever sees a coordinate it cannot represent.
#include "Leinwand.h"

#include <cstdint>
#include <string>

namespace skiora::draw {

class Zeichner {
  public:
    static constexpr std::int64_t Grenze = 100000;

    explicit Zeichner(Leinwand& lw) : lw_(lw) {}
    Leinwand& lw() { return lw_; }

    void MoveTo(std::int64_t x, std::int64_t y) {
        x_ = x;
        y_ = y;
    }
    // A line from the pen position, clipped to the window (exact, not clamped).
    void LineTo(std::int64_t x, std::int64_t y);
    void Rectangle(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2);
    // Left out when its box leaves the window (it is then far off the picture).
    void Ellipse(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2);
    void Kreis(std::int64_t x, std::int64_t y, int r) { Ellipse(x - r, y - r, x + r, y + r); }
    void TextOut(std::int64_t x, std::int64_t y, const std::string& text);
    // From now on every text appears whole inside this box: one that crosses
    // its edge is moved in, one wholly outside is left out.
    void TextRahmen(std::int64_t links, std::int64_t oben, std::int64_t rechts, std::int64_t unten);
    int TextWidth(const std::string& t) { return lw_.TextWidth(t); }
    int TextHeight(const std::string& t) { return lw_.TextHeight(t); }

  private:
    Leinwand& lw_;
    std::int64_t x_ = 0, y_ = 0;
    bool textRahmen_ = false;
    std::int64_t links_ = 0, oben_ = 0, rechts_ = 0, unten_ = 0;
};

} // namespace skiora::draw

#include "Zeichner.h"

#include <algorithm>

namespace skiora::draw {

namespace {
bool Innen(std::int64_t v) {
    return v >= -Zeichner::Grenze && v <= Zeichner::Grenze;
}
int Klemme(std::int64_t v) {
    return static_cast<int>(std::clamp(v, -Zeichner::Grenze, Zeichner::Grenze));
}
} // namespace

void Zeichner::LineTo(std::int64_t x, std::int64_t y) {
    const std::int64_t x0 = x_, y0 = y_;
    x_ = x;
    y_ = y;
    if (Innen(x0) && Innen(y0) && Innen(x) && Innen(y)) {
        lw_.MoveTo(static_cast<int>(x0), static_cast<int>(y0));
        lw_.LineTo(static_cast<int>(x), static_cast<int>(y));
        return;
    }
    // Liang-Barsky against the square window.
    const double dx = static_cast<double>(x - x0), dy = static_cast<double>(y - y0);
    double t0 = 0, t1 = 1;
    const double g = static_cast<double>(Grenze);
    auto schnitt = [&](double p, double q) {
        if (p == 0) return q >= 0;
        const double r = q / p;
        if (p < 0) {
            if (r > t1) return false;
            t0 = std::max(t0, r);
        } else {
            if (r < t0) return false;
            t1 = std::min(t1, r);
        }
        return true;
    };
    const double fx = static_cast<double>(x0), fy = static_cast<double>(y0);
    if (!schnitt(-dx, fx + g) || !schnitt(dx, g - fx) || !schnitt(-dy, fy + g) ||
        !schnitt(dy, g - fy))
        return;
    auto rund = [](double v) { return static_cast<std::int64_t>(v < 0 ? v - 0.5 : v + 0.5); };
    lw_.MoveTo(Klemme(rund(fx + t0 * dx)), Klemme(rund(fy + t0 * dy)));
    lw_.LineTo(Klemme(rund(fx + t1 * dx)), Klemme(rund(fy + t1 * dy)));
}

void Zeichner::Rectangle(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) {
    // A rectangle stays a rectangle when its corners are clamped.
    lw_.Rectangle(Klemme(x1), Klemme(y1), Klemme(x2), Klemme(y2));
}

void Zeichner::Ellipse(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) {
    if (!(Innen(x1) && Innen(y1) && Innen(x2) && Innen(y2))) return;
    lw_.Ellipse(static_cast<int>(x1), static_cast<int>(y1), static_cast<int>(x2),
                static_cast<int>(y2));
}

void Zeichner::TextRahmen(std::int64_t links, std::int64_t oben, std::int64_t rechts,
                          std::int64_t unten) {
    textRahmen_ = true;
    links_ = links;
    oben_ = oben;
    rechts_ = rechts;
    unten_ = unten;
}

void Zeichner::TextOut(std::int64_t x, std::int64_t y, const std::string& text) {
    if (textRahmen_) {
        const std::int64_t w = lw_.TextWidth(text), h = lw_.TextHeight(text);
        if (x + w <= links_ || x >= rechts_ || y + h <= oben_ || y >= unten_) return;
        x = std::clamp(x, links_, std::max(links_, rechts_ - w));
        y = std::clamp(y, oben_, std::max(oben_, unten_ - h));
    }
    if (!Innen(x) || !Innen(y)) return;
    lw_.TextOut(static_cast<int>(x), static_cast<int>(y), text);
}

} // namespace skiora::draw

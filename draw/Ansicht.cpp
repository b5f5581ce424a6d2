#include "Ansicht.h"

#include "core/Zahlen.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace skiora::draw {

namespace {
void Neu(Sonnenuhr& uhr) {
    if (uhr.neuZeichnen) uhr.neuZeichnen();
}

// Pans add up over many drags; they stop at the int32 range instead of wrapping.
std::int32_t Addiere(std::int32_t a, std::int64_t b) {
    const std::int64_t s = a + b;
    constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(s < lo ? lo : (s > hi ? hi : s));
}

void Zoome(Ansicht& a, ZoomKnopf knopf) {
    switch (knopf) {
    case ZoomKnopf::Plus:
        if (a.Zoom < 50) a.Zoom *= 1.2;
        break;
    case ZoomKnopf::Minus:
        a.Zoom /= 1.2;
        break;
    case ZoomKnopf::Reset:
        a = Ansicht{};
        break;
    }
}
} // namespace

void btZoomClick(Sonnenuhr& uhr, ZoomKnopf knopf) {
    Zoome(uhr.ansicht, knopf);
    Neu(uhr);
}

void ZoomUm(Sonnenuhr& uhr, ZoomKnopf knopf, int x, int y) {
    Ansicht& a = uhr.ansicht;
    const Rahmen& r = uhr.rahmen;
    const double vorher = a.Zoom;
    // The screen picture's origin as the drawing places it.
    const double mx = r.SchirmBildBreite / 2 + double(a.DeltaX);
    const double my = Naechste(1.1 * (r.SchirmBildHoehe / 2)) + double(a.DeltaY);
    Zoome(a, knopf);
    // Everything scales about the origin: a point at distance d from it
    // moves to f * d, so the origin moves by (1 - f) * d towards the point.
    const double f = vorher > 0 ? a.Zoom / vorher : 1;
    if (knopf != ZoomKnopf::Reset && std::isfinite(f) && f != 1) {
        a.DeltaX = Addiere(a.DeltaX, Naechste((1 - f) * (x - mx)));
        a.DeltaY = Addiere(a.DeltaY, Naechste((1 - f) * (y - my)));
    }
    Neu(uhr);
}

void btTranslation(Sonnenuhr& uhr, Richtung richtung) {
    Ansicht& a = uhr.ansicht;
    const std::int32_t sx = uhr.rahmen.SchirmBildBreite / 40;
    const std::int32_t sy = uhr.rahmen.SchirmBildHoehe / 40;
    switch (richtung) {
    case Richtung::Links:
        a.DeltaX = Addiere(a.DeltaX, -sx);
        break;
    case Richtung::Rechts:
        a.DeltaX = Addiere(a.DeltaX, sx);
        break;
    case Richtung::Hoch:
        a.DeltaY = Addiere(a.DeltaY, -sy);
        break;
    case Richtung::Runter:
        a.DeltaY = Addiere(a.DeltaY, sy);
        break;
    }
    Neu(uhr);
}

void Ziehen(Sonnenuhr& uhr, int dx, int dy) {
    uhr.ansicht.DeltaX = Addiere(uhr.ansicht.DeltaX, dx);
    uhr.ansicht.DeltaY = Addiere(uhr.ansicht.DeltaY, dy);
    Neu(uhr);
}

} // namespace skiora::draw

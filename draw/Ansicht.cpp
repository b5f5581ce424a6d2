#include "Ansicht.h"

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
} // namespace

void btZoomClick(Sonnenuhr& uhr, ZoomKnopf knopf) {
    Ansicht& a = uhr.ansicht;
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

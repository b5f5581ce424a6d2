#pragma once
// The view commands: zoom, pan and drag of the dial picture, as operations on
// the document. Each asks for a repaint through uhr.neuZeichnen; the window
// keeps its active page and hides panResize itself.
#include "core/Sonnenuhr.h"

namespace skiora::draw {

enum class ZoomKnopf { Plus, Minus, Reset };
enum class Richtung { Links, Rechts, Hoch, Runter };

// tbPlus: times 1.2 while below 50; tbMinus: divided by 1.2, no limit;
// tbReset: zoom 1 and no pan.
void btZoomClick(Sonnenuhr& uhr, ZoomKnopf knopf);
// The same step about the point (x, y) of the screen picture as last drawn:
// the pan follows, so that the dial point under it stays where it is.
void ZoomUm(Sonnenuhr& uhr, ZoomKnopf knopf, int x, int y);
// One fortieth of the screen picture as it was last drawn.
void btTranslation(Sonnenuhr& uhr, Richtung richtung);
// The picture dragged by (dx, dy) screen pixels.
void Ziehen(Sonnenuhr& uhr, int dx, int dy);

} // namespace skiora::draw

#pragma once
// The window's access to the drawing layer: the dial picture, the error
// chart and the view commands. Until the drawing layer is linked in, a plain
// stand-in keeps the frame values and the view state right.
#include <QSize>

class QPainter;

namespace skiora {
class Sonnenuhr;
}

namespace skiora::app {

void ZeichneDial(Sonnenuhr& uhr, QPainter& maler, QSize groesse);   // Image1
void ZeichneFehler(Sonnenuhr& uhr, QPainter& maler, QSize groesse); // ImError

// View commands; each asks the document to repaint. Zoom in stops at 50 (tested before
// multiplying), zoom out has no limit; a pan step is 1/40 of the picture as last drawn on screen.
void ZoomEin(Sonnenuhr& uhr);
void ZoomAus(Sonnenuhr& uhr);
void AnsichtZuruecksetzen(Sonnenuhr& uhr);
// richtungX/Y: -1, 0 or +1 (left/up negative).
void Verschiebe(Sonnenuhr& uhr, int richtungX, int richtungY);
// The dial follows a drag of the picture by exactly (dx, dy) pixels.
void Ziehe(Sonnenuhr& uhr, int dx, int dy);
// One zoom step in or out about the picture point (x, y): the mouse wheel.
void ZoomUm(Sonnenuhr& uhr, bool ein, int x, int y);

} // namespace skiora::app

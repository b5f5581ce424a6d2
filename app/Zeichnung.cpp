#include "app/Zeichnung.h"

#include "core/Sonnenuhr.h"
#include "draw/Ansicht.h"
#include "draw/qt/Bilder.h"

#include <QPainter>

namespace skiora::app {

void ZeichneDial(Sonnenuhr& uhr, QPainter& maler, QSize groesse) {
    draw::ZeichneAufBild(uhr, maler, groesse);
}
void ZeichneFehler(Sonnenuhr& uhr, QPainter& maler, QSize groesse) {
    draw::ZeichneFehlerBild(uhr, maler, groesse);
}

void ZoomEin(Sonnenuhr& uhr) {
    draw::btZoomClick(uhr, draw::ZoomKnopf::Plus);
}
void ZoomAus(Sonnenuhr& uhr) {
    draw::btZoomClick(uhr, draw::ZoomKnopf::Minus);
}
void AnsichtZuruecksetzen(Sonnenuhr& uhr) {
    draw::btZoomClick(uhr, draw::ZoomKnopf::Reset);
}
void Verschiebe(Sonnenuhr& uhr, int richtungX, int richtungY) {
    if (richtungX != 0)
        draw::btTranslation(uhr, richtungX < 0 ? draw::Richtung::Links : draw::Richtung::Rechts);
    if (richtungY != 0)
        draw::btTranslation(uhr, richtungY < 0 ? draw::Richtung::Hoch : draw::Richtung::Runter);
}
void Ziehe(Sonnenuhr& uhr, int dx, int dy) {
    draw::Ziehen(uhr, dx, dy);
}
void ZoomUm(Sonnenuhr& uhr, bool ein, int x, int y) {
    draw::ZoomUm(uhr, ein ? draw::ZoomKnopf::Plus : draw::ZoomKnopf::Minus, x, y);
}

} // namespace skiora::app

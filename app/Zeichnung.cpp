#include "app/Zeichnung.h"

#include "core/Sonnenuhr.h"
#include "core/Zahlen.h"

#include <QPainter>
#ifdef HAVE_SKIORA_DRAW_QT
#include "draw/qt/Bilder.h"
#endif
#ifdef HAVE_SKIORA_DRAW
#include "draw/Ansicht.h"
#endif

namespace skiora::app {

#ifdef HAVE_SKIORA_DRAW_QT
void ZeichneDial(Sonnenuhr& uhr, QPainter& maler, QSize groesse) {
    draw::ZeichneAufBild(uhr, maler, groesse);
}
void ZeichneFehler(Sonnenuhr& uhr, QPainter& maler, QSize groesse) {
    draw::ZeichneFehlerBild(uhr, maler, groesse);
}
#else
namespace {

// Frame values as a screen drawing sets them; the stand-in drawing needs them
// for the view commands and for the tests of dragging.
void RahmenSetzen(Sonnenuhr& uhr, QSize g) {
    auto& r = uhr.rahmen;
    r.BildBreite = g.width();
    r.BildHoehe = g.height();
    r.HalbBreite = r.BildBreite / 2;
    r.HalbHoehe = r.BildHoehe / 2;
    r.RandX = r.RandY = 0;
    r.PlotCentreX = r.HalbBreite + uhr.ansicht.DeltaX;
    r.PlotCentreY = Naechste(r.HalbHoehe * 1.1) + uhr.ansicht.DeltaY;
    r.SchirmBildBreite = r.BildBreite;
    r.SchirmBildHoehe = r.BildHoehe;
    r.Massstab = 0.9 * r.HalbBreite / (uhr.p.Halb > 0 ? uhr.p.Halb : 1) * uhr.ansicht.Zoom;
}

} // namespace

void ZeichneDial(Sonnenuhr& uhr, QPainter& maler, QSize groesse) {
    RahmenSetzen(uhr, groesse);
    const auto& r = uhr.rahmen;
    maler.setPen(Qt::black);
    maler.drawRect(0, 0, groesse.width() - 1, groesse.height() - 1);
    const int a = Naechste(uhr.p.Halb * r.Massstab);
    const int b = Naechste(uhr.Klein * r.Massstab);
    maler.drawLine(r.PlotCentreX - a, r.PlotCentreY, r.PlotCentreX + a, r.PlotCentreY);
    maler.drawLine(r.PlotCentreX, r.PlotCentreY - b, r.PlotCentreX, r.PlotCentreY + b);
    maler.setPen(Qt::blue);
    maler.drawEllipse(QPoint(r.PlotCentreX, r.PlotCentreY), a, b < 0 ? -b : b);
}

void ZeichneFehler(Sonnenuhr&, QPainter& maler, QSize groesse) {
    maler.setPen(Qt::black);
    maler.drawRect(0, 0, groesse.width() - 1, groesse.height() - 1);
}

#endif

#ifdef HAVE_SKIORA_DRAW
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
#else
namespace {
void Neu(Sonnenuhr& uhr) {
    if (uhr.neuZeichnen) uhr.neuZeichnen();
}
} // namespace

void ZoomEin(Sonnenuhr& uhr) {
    if (uhr.ansicht.Zoom < 50) uhr.ansicht.Zoom *= 1.2;
    Neu(uhr);
}

void ZoomAus(Sonnenuhr& uhr) {
    uhr.ansicht.Zoom /= 1.2;
    Neu(uhr);
}

void AnsichtZuruecksetzen(Sonnenuhr& uhr) {
    uhr.ansicht = Ansicht{};
    Neu(uhr);
}

void Verschiebe(Sonnenuhr& uhr, int richtungX, int richtungY) {
    uhr.ansicht.DeltaX += richtungX * (uhr.rahmen.SchirmBildBreite / 40);
    uhr.ansicht.DeltaY += richtungY * (uhr.rahmen.SchirmBildHoehe / 40);
    Neu(uhr);
}

void Ziehe(Sonnenuhr& uhr, int dx, int dy) {
    uhr.ansicht.DeltaX += dx;
    uhr.ansicht.DeltaY += dy;
    Neu(uhr);
}
#endif

} // namespace skiora::app

// The summer-time numbers: a second number inside the ellipse at every full
// hour, in a colour of their own; and the legend at the top left: the place
// and the line that names the summer-time numbers and the days they apply.
#include "ZeichenLauf.h"
#include "core/Ortsanzeige.h"

#include <algorithm>
#include <cmath>

namespace skiora::draw {

void SommerzeitZahlZeichnen(ZeichenLauf& l, Pos q, const PunktZeit& e, int radius) {
    Leinwand& lw = l.lw();
    const Schrift schrift = lw.schrift;
    const Pinsel pinsel = lw.pinsel;
    lw.SchriftFarbe(farben::Sommerzeit);
    lw.PinselFarbe(farben::Weiss);
    lw.PinselStil(PinselArt::Voll);
    const std::string t = SommerzeitZahl(std::round(e.zeit), l.u.ort.SzVersatz);
    const int w = l.z.TextWidth(t), h = l.z.TextHeight(t);
    const double rho = std::sqrt(e.x * e.x + e.y * e.y);
    // Towards the centre; a point at the centre has no direction and keeps its number below.
    const double ux = rho > 0 ? e.x / rho : 0, uy = rho > 0 ? e.y / rho : 1;
    const double abstand =
        radius + (l.schirm ? 4 : 10) + std::abs(ux) * w / 2.0 + std::abs(uy) * h / 2.0;
    const std::int64_t mx = q.x - Naechste(ux * abstand), my = q.y + Naechste(uy * abstand);
    l.z.TextOut(mx - w / 2, my - h / 2, t);
    lw.schrift = schrift;
    lw.pinsel = pinsel;
}

void OrtLegendeZeichnen(ZeichenLauf& l) {
    // On paper the place stands in the title below the dial.
    const std::string ort = l.schirm ? l.u.ort.Name : std::string();
    const std::string sommer = SommerzeitLegende(l.u);
    if (ort.empty() && sommer.empty()) return;
    Leinwand& lw = l.lw();
    const Schrift schrift = lw.schrift;
    const Pinsel pinsel = lw.pinsel;
    lw.SchriftHoehe(l.schirm ? 14 : 30);
    lw.SchriftFett(true);
    lw.PinselFarbe(farben::Weiss);
    lw.PinselStil(PinselArt::Voll);
    const Rahmen& r = l.r();
    const int x = r.RandX + (l.schirm ? 8 : 30);
    // Below the notes already there (the shadow-reach warning).
    std::int64_t y = std::max<std::int64_t>(r.RandY + (l.schirm ? 6 : 25), l.EckeFrei);
    if (!ort.empty()) {
        lw.SchriftFarbe(farben::Schwarz);
        l.z.TextOut(x, y, ort);
        y += l.z.TextHeight(ort) + 2;
    }
    if (!sommer.empty()) {
        lw.SchriftFarbe(farben::Sommerzeit);
        // Two lines on screen, where the dial fills the picture up to its
        // corners, and on paper where one would reach the north axis.
        const auto teil = sommer.find(": ");
        if ((l.schirm || x + l.z.TextWidth(sommer) > r.PlotCentreX - 4 * l.w.Strich) &&
            teil != std::string::npos) {
            l.z.TextOut(x, y, sommer.substr(0, teil + 1));
            l.z.TextOut(x, y + l.z.TextHeight(sommer) + 2, sommer.substr(teil + 2));
        } else {
            l.z.TextOut(x, y, sommer);
        }
    }
    lw.schrift = schrift;
    lw.pinsel = pinsel;
}

} // namespace skiora::draw

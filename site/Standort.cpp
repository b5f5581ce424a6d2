#include "Standort.h"

#include "Ortsverzeichnis.h"
#include "Zeitzone.h"
#include "core/Sonnenuhr.h"

#include <cmath>

namespace skiora::site {

void SommerzeitAbgleichen(Sonnenuhr& uhr) {
    Ortsangaben& o = uhr.ort;
    const Zoneninfo z = ZoneImJahr(o.Zeitzone, uhr.p.Jahr);
    o.HatSommerzeit = z.gueltig && z.hatSommerzeit;
    if (!o.HatSommerzeit) {
        o.SzBeginnTag = o.SzBeginnMonat = o.SzEndeTag = o.SzEndeMonat = 0;
        o.SzVersatz = 1;
        return;
    }
    o.SzBeginnTag = z.beginnTag;
    o.SzBeginnMonat = z.beginnMonat;
    o.SzEndeTag = z.endeTag;
    o.SzEndeMonat = z.endeMonat;
    o.SzVersatz = z.versatz;
}

void OrtUebernehmen(Sonnenuhr& uhr, const Ort& ort, int sprache) {
    // The latitude field's own rules: the poles and the equator are kept off.
    double breite = ort.breite;
    if (std::fabs(std::fabs(breite) - 90) < 1e-7) breite = breite > 0 ? 89.9999999 : -89.9999999;
    if (std::fabs(breite) < 0.005) breite = 0.005;
    uhr.p.Breit = breite;
    uhr.p.Lang = ort.laenge == 0 ? 0 : -ort.laenge;
    uhr.ort.Name = ort.Bezeichnung(sprache);
    uhr.ort.Zeitzone = ort.zeitzone;
    const Zoneninfo z = ZoneImJahr(ort.zeitzone, uhr.p.Jahr);
    // A zone the system does not know leaves the meridian as it was.
    if (z.gueltig) uhr.p.Zone = ZonenMeridian(z.standardStunden);
    SommerzeitAbgleichen(uhr);
    uhr.Abgeleitet();
}

bool ZeitzoneSetzen(Sonnenuhr& uhr, const std::string& iana) {
    const Zoneninfo z = ZoneImJahr(iana, uhr.p.Jahr);
    if (!z.gueltig) return false;
    uhr.ort.Zeitzone = iana;
    uhr.p.Zone = ZonenMeridian(z.standardStunden);
    SommerzeitAbgleichen(uhr);
    return true;
}

void Anschliessen(Sonnenuhr& uhr) {
    uhr.zeitzoneAbgleichen = [&uhr] { SommerzeitAbgleichen(uhr); };
}

} // namespace skiora::site

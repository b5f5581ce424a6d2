#pragma once
// The site applied to the document: a place chosen by name, a time zone given
// alone, and the summer time of the calculation year. Only plain values reach
// the document (Sonnenuhr::p and Sonnenuhr::ort).
#include <string>

namespace skiora {
class Sonnenuhr;
}

namespace skiora::site {

struct Ort;

// Latitude, longitude and zone meridian of the place in the program's
// convention (longitudes west positive), its name (in the language `sprache`)
// and time zone, and the summer time of the year; SinGI and Klein follow.
// The caller recalculates.
void OrtUebernehmen(Sonnenuhr& uhr, const Ort& ort, int sprache);

// A time zone alone, for a site typed by hand: the zone meridian of its
// standard time and its summer time. False (nothing changed) for a zone the
// database does not know.
bool ZeitzoneSetzen(Sonnenuhr& uhr, const std::string& iana);

// ort's summer time for the calculation year of the document.
void SommerzeitAbgleichen(Sonnenuhr& uhr);

// Lets the document bring its summer time up to date whenever the year of the
// calculation changes.
void Anschliessen(Sonnenuhr& uhr);

} // namespace skiora::site

#pragma once
// Texts of the site: the place search, the readouts beside the longitude and
// the zone meridian, summer time on the dial and in the tables, and the
// messages of the place and time-zone options.
#include "lang/Texte.h"

#include <initializer_list>
#include <string>

namespace skiora::lang {

extern const Zweisprachig OrtKnopf;        // "Ort ..."
extern const Zweisprachig OrtKnopfHinweis; // its tool tip
extern const Zweisprachig OrtAnzeige;      // "Ort: %1"
extern const Zweisprachig OrtOhneZone;     // the zone when none is known
extern const Zweisprachig OrtSuchTitel;
extern const Zweisprachig OrtSuchFrage;
extern const Zweisprachig OrtSpalteName;
extern const Zweisprachig OrtSpalteRegion;
extern const Zweisprachig OrtSpalteLand;
extern const Zweisprachig OrtSpalteLage;
extern const Zweisprachig OrtSpalteZone;
extern const Zweisprachig OrtTreffer;     // "%1 Orte"
extern const Zweisprachig OrtTrefferMehr; // "die ersten %1 von %2 Orten"
extern const Zweisprachig OrtKeinTreffer;
extern const Zweisprachig OrtLaedt;
extern const Zweisprachig OrtVerzeichnisFehlt;

extern const Zweisprachig Ost;  // "O" / "E"
extern const Zweisprachig Nord; // "N"
extern const Zweisprachig Sued; // "S"
extern const Zweisprachig West; // "W"

extern const Zweisprachig SommerzeitHaken;
extern const Zweisprachig SommerzeitHinweis; // tool tip of the check box
extern const Zweisprachig SommerzeitSpalte;  // column of the hour table
extern const Zweisprachig SommerzeitLegendeVonBis;
extern const Zweisprachig SommerzeitLegendeUmJahr; // southern: to ... and from ...

extern const Zweisprachig OrtNichtGefunden; // "%1": the name asked for
extern const Zweisprachig OrtAehnliche;     // "%1": up to five names
extern const Zweisprachig OrtLeer;
extern const Zweisprachig ZoneUnbekannt;  // "%1": the name given
extern const Zweisprachig OhneSommerzeit; // "%1" zone, "%2" year
extern const Zweisprachig SommerzeitOhneZone;
extern const Zweisprachig OrtZeileBeschaedigt; // "%1": the line number

// The text with %1, %2 ... replaced by the values in order.
std::string Einsetzen(std::string text, std::initializer_list<std::string> werte);

} // namespace skiora::lang

#pragma once
// What the program shows about the site and its clock: the longitude and the
// zone meridian read the usual way (so that a sign error shows at a glance),
// a position as maps write it, and the summer-time numbers with their legend.
// Everything here reads plain values; the site layer fills Sonnenuhr::ort.
#include <string>

namespace skiora {

class Sonnenuhr;

// "= 13.41° O" (German) or "= 13.41° E" for Lang = -13.41 (west positive).
std::string LaengeLesbar(double lang, int sprache);
// The clock of a zone meridian (west positive): "= UTC+1", "= UTC+5:45",
// "= UTC-3:30"; a meridian between whole minutes "= UTC+0:53:38".
std::string ZoneLesbar(double zone);
// "52.52° N, 13.41° O" from a latitude (north positive) and a longitude as
// maps write it (east positive).
std::string LageLesbar(double breite, double laengeOst, int sprache);

// Whether the dial carries summer-time numbers: the option is on and the zone
// has summer time in the year of the calculation.
bool SommerzeitGezeigt(const Sonnenuhr& uhr);
// A dial number of the clock hour `stunde` moved by `versatz` hours: "14",
// "8:30"; past midnight it starts again at "0".
std::string SommerzeitZahl(double stunde, double versatz);
// The column of the hour table (StrGridStd) that holds the summer-time clock
// of each full hour, after the columns of the hour points.
inline constexpr int StundenSommerzeitSpalte = 16;
// The summer-time clock of an hour point for that column: " 14:00".
std::string SommerzeitUhrzeit(double zeit, double versatz);
// The legend line naming the summer-time numbers and the days they apply in
// the year; empty when the dial carries none.
std::string SommerzeitLegende(const Sonnenuhr& uhr);

} // namespace skiora

#pragma once
// Lengths as the layout sheet prints them: metres with three decimals, or
// feet and inches to a sixteenth of an inch.
#include <string>

namespace skiora::report {

enum class Einheit { Meter, FussZoll };

// The number alone: "2.750", "-0.125"; imperial "9' 0 3/16\"", "-0' 5 1/2\"".
std::string LaengeZahl(double meter, Einheit einheit);
// With the unit where the number alone does not carry it: "2.750 m".
std::string LaengeText(double meter, Einheit einheit);
// A number with exactly `stellen` decimals, no padding: "47.25", "-0.5".
std::string Fest(double wert, int stellen);

// The unit a column of LaengeZahl numbers is headed with: "m" or "ft/in".
std::string EinheitName(Einheit einheit);

} // namespace skiora::report

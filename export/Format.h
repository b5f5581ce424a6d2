#pragma once
// Number texts of the plot and the DXF writer. Both files always use "." as
// the decimal separator, whatever the process locale says.
#include <string>

namespace skiora::export_ {

// Fixed point, `dezimalen` decimals, right-aligned in `breite` (longer numbers
// are kept whole). "-0.0" loses its sign.
std::string Fest(int breite, int dezimalen, double wert);
// Fixed point with at most `dezimalen` decimals: trailing zeros and a
// trailing point dropped ("12.5", "3"), no padding.
std::string Knapp(int dezimalen, double wert);
// Exponent form with one decimal right-aligned in `breite`, as C's "%6.1E".
std::string Exponent(int breite, double wert);
// Reads a decimal number (optional sign, digits, at most one point), the
// whole text or nothing. Never looks at the locale.
bool AlsZahl(const std::string& text, double& wert);
// Removes leading characters contained in `zeichen`.
std::string OhneFuehrende(const std::string& text, const char* zeichen);

} // namespace skiora::export_

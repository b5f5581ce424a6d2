#pragma once
// Number texts and small numeric helpers shared by every computation.
#include <optional>
#include <string>

namespace skiora {

inline constexpr double Rad = 3.14159265358979323846 / 180.0;

inline int Sign(double x) {
    return x > 0 ? 1 : (x < 0 ? -1 : 0);
}

// Fixed point with exactly `dezimalen` decimals, right-aligned to `breite`
// (longer numbers are not cut). Returns "" when dezimalen > breite.
std::string ZahlText(int breite, int dezimalen, double wert);

// A real value as the configuration file holds it: rounded to 10
// significant digits, then written with 6 decimals ("47.250000").
std::string FestText(double wert);
// The value FestText reads back as. Inputs store this, so that every value
// the program takes loads again from a saved file to the same number.
double FestWert(double wert);

// At least two digits, a leading zero below ten: "05", "12" (days, months,
// minutes).
std::string ZweiStellen(long long n);

// Equation of time in degrees (or hours / 4) as "m:ss", right-aligned in 6.
std::string MinSekText(double e);

// Tangent of a radian angle, guarded at +90 degrees.
double TanG(double x);

inline void Tausche(double& a, double& b) {
    double t = a;
    a = b;
    b = t;
}

// Reads a real with "." as decimal separator (blanks around it allowed).
// Empty text: std::nullopt with leer = true; not a number: nullopt, leer = false.
std::optional<double> LiesZahl(const std::string& text, bool* leer = nullptr);
// Reads a decimal integer; the same conventions.
std::optional<long long> LiesGanzzahl(const std::string& text, bool* leer = nullptr);

// nearest(): halves to the even neighbour, used for every float-to-integer
// conversion of drawing and plot. Values beyond int range are clamped.
int Naechste(double v);

} // namespace skiora

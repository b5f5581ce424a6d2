#pragma once
// Reading errors of a split dial: how far the true Sun's hour angle is from
// the one the hour mark shows, for a gnomon position, a date and a clock time.
#include "core/Sonnenuhr.h"
#include "core/Zahlen.h"

#include <cmath>

namespace skiora {

struct AblesErgebnis {
    double fehler = 0;           // degrees of hour angle
    bool fehlgeschlagen = false; // the shadow line never passes the hour point
};

// The dial constants AblesFehler needs, taken once from the document so the
// grid search does not recompute them for every candidate.
struct AblesGeometrie {
    double a = 0, b = 0;
    double cosQ = 1; // cos(GnomInc - Incl)
    double sinP = 0; // sin(Breit - GnomInc)
    double cosP = 1; // cos(Breit - GnomInc)
    double breit = 0;
};
AblesGeometrie AblesGeometrieVon(const Sonnenuhr& uhr);

// Everything of one clock time that does not depend on the gnomon.
struct AblesStunde {
    double T = 12;         // clock time
    double px = 0, py = 0; // its hour point
};
inline AblesStunde AblesStundeVon(const AblesGeometrie& g, double T) {
    const double w = (T - 12) * 15;
    return {T, g.a * std::sin(w * Rad), g.b * std::cos(w * Rad)};
}

// The closed formula itself; every caller goes through here so the plain and
// the hoisted evaluation give bit-identical results. tn = TanG(decl * Rad).
// Returns false when there is no solution.
inline double ArcCosGrad(double c) {
    // Rounding can push the quotient a hair past +-1.
    if (c > 1) c = 1;
    if (c < -1) c = -1;
    return std::acos(c) / Rad;
}
inline bool AblesKern(const AblesGeometrie& g, const AblesStunde& s, double tn, double xg,
                      double yg, double eot, double& fehler) {
    const double A = g.cosQ * (s.py - yg);
    const double dx = xg - s.px;
    const double B = g.sinP * dx;
    const double C = g.cosP * dx * tn;
    const double N = A * A + B * B;
    const double D = N - C * C;
    if (!(D > 0)) return false;
    const double w = std::sqrt(D);
    const double bc = B * C;
    double h1 = ArcCosGrad((bc - A * w) / N);
    if (A * C + B * w < 0) h1 = -h1;
    double h2 = ArcCosGrad((bc + A * w) / N);
    if (A * C - B * w < 0) h2 = -h2;
    const double d = s.T - 12;
    const double h = std::abs(d - h2 / 15) < std::abs(d - h1 / 15) ? h2 : h1;
    fehler = (12 - s.T) * 15 + h - eot;
    return true;
}

AblesErgebnis AblesFehler(const AblesGeometrie& g, double T, double yg, double xg, double eot,
                          double decl);
AblesErgebnis AblesFehler(const Sonnenuhr& uhr, double T, double yg, double xg, double eot,
                          double decl);

struct FehlerSumme {
    double maxAbs = 0;   // largest absolute error
    double mittel = 0;   // mean absolute error
    double streuung = 0; // standard deviation
    int n = 0;           // valid cells; 0 leaves the three figures meaningless
};

// Fills an error table (columns 0..4 already hold the dates) for the full
// hours von..bis and the first `Anzahl` * 12 records, and sums it up.
FehlerSumme FehlerTabelle(Gitter& g, int von, int bis, const DatumsFeld& feld, int anzahlFeld,
                          int Anzahl, Sonnenuhr& uhr);

} // namespace skiora

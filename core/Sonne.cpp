#include "Sonne.h"

#include "Zahlen.h"

#include <cmath>
#include <cstdint>

namespace skiora {

namespace {

using LD = long double;
constexpr LD RadL = 3.14159265358979323846264338327950288L / 180.0L;

// Into [0, 360]: the same as subtracting or adding 360 step by step (every
// step is exact), but in constant time for the far years.
LD Reduziert(LD w) {
    if (w > 360) {
        w = std::fmod(w, 360.0L);
        if (w == 0) w = 360; // repeated subtraction stops at 360
    }
    while (w < 0)
        w += 360;
    return w;
}

} // namespace

bool IstSchaltjahr(int jahr) {
    return (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0;
}

bool DatumGueltig(long long tag, long long monat, int jahr) {
    if (monat < 1 || monat > 12 || tag < 1 || tag > 31) return false;
    if ((monat == 4 || monat == 6 || monat == 9 || monat == 11) && tag > 30) return false;
    if (monat == 2 && (tag > 29 || (tag == 29 && !IstSchaltjahr(jahr)))) return false;
    return true;
}

double JulTag(int tag, int monat, int jahr, bool* korrigiert) {
    if (korrigiert) *korrigiert = false;
    std::int64_t y = jahr, m = monat;
    if (monat <= 2) {
        y = jahr - 1;
        m = monat + 12;
    }
    const double k = jahr + monat / 100.0 + tag / 10000.0;
    std::int64_t b;
    if (k >= 1582.1015) {
        b = y / 400 - y / 100; // integer division truncates like trunc()
    } else if (k > 1582.1004) {
        if (korrigiert) *korrigiert = true;
        tag = 15;
        b = -12;
    } else {
        b = -2;
    }
    const auto jt = static_cast<std::int64_t>(std::trunc(365.25 * static_cast<double>(y))) +
                    static_cast<std::int64_t>(std::trunc(30.6001 * static_cast<double>(m + 1))) +
                    tag + b + 1720997;
    return static_cast<double>(jt);
}

int TagNr(int jahr, int monat, int tag) {
    if (monat < 3) return (monat - 1) * 31 + tag;
    return static_cast<int>(std::trunc(monat * 30.6001 - 32.3)) + tag +
           (IstSchaltjahr(jahr) ? 1 : 0);
}

SonnenOrt SonnenDaten(int jahr, double d) {
    const LD jd = static_cast<LD>(JulTag(1, 1, jahr)) + d - 1;
    const LD T = (jd - 2451545) / 36525;

    const LD A = Reduziert(35999 * T);
    const LD M = Reduziert((0.0503L - (4.8e-7L * T + 0.0001559L) * T) * T + (357.5291L + A)) * RadL;

    const LD eps0 = 23.43929111L - 0.013004167L * T;
    const LD Om = (125.04452L - 1934.136261L * T) * RadL;
    const LD eps = (eps0 + 0.00256L * std::cos(Om)) * RadL;

    const LD B = Reduziert(36000 * T);
    const LD L0 = Reduziert((0.0003032L * T + 0.76982772L) * T + (280.4664567L + B));

    const LD C = std::sin(M) * (1.9146L - (0.000014L * T + 0.004817L) * T) +
                 std::sin(2 * M) * (0.019993L - 0.000101L * T) + std::sin(3 * M) * 0.00029L;
    const LD lambda = (L0 + C - 0.00569L - 0.00478L * std::sin(Om)) * RadL;

    const LD sd = std::sin(eps) * std::sin(lambda);
    // atan2 is the arc tangent of the quotients, without their 0/0 corners.
    const LD delta = std::atan2(sd, std::sqrt(1 - sd * sd)) / RadL;
    LD alpha = std::atan2(std::cos(eps) * std::sin(lambda), std::cos(lambda)) / RadL;
    if (alpha < 0) alpha += 360;

    LD E = (-0.00477778L * std::sin(Om) - 0.00036667L * std::sin(2 * L0 * RadL)) * std::cos(eps) +
           (L0 - 0.0057183L - alpha);
    while (E > 180)
        E -= 360;
    while (E < -180)
        E += 360;
    return {static_cast<double>(delta), static_cast<double>(E)};
}

HorizontOrt HorizontKoord(double t, double delta, double phi) {
    if (!std::isfinite(t)) t = 0;
    if (std::fabs(t) > 720) t = std::fmod(t, 360.0);
    while (std::fabs(t) > 180)
        t -= Sign(t) * 360;

    const double tr = t * Rad, dr = delta * Rad, pr = phi * Rad;
    double c = std::cos(tr) * std::cos(dr) * std::cos(pr) + std::sin(dr) * std::sin(pr);
    if (std::fabs(c) >= 1) c = Sign(c) * 0.9999999;
    if (std::fabs(c) < 1e-8) c = (Sign(c) + 0.2) * 1e-8;
    double z = std::atan(std::sqrt(1 - c * c) / c) / Rad;
    if (z < 0) z += 180;

    double az = 0;
    if (z >= 0.0001) {
        double ca = (std::sin(pr) * std::cos(dr) * std::cos(tr) - std::cos(pr) * std::sin(dr)) /
                    std::sin(z * Rad);
        if (std::fabs(ca) > 1) ca = Sign(ca);
        if (std::fabs(ca) < 1e-10) ca = (Sign(ca) + 0.2) * 1e-10;
        if (ca == -1) {
            az = 180;
        } else {
            az = std::atan(std::sqrt(1 - ca * ca) / ca) / Rad;
            if (az < 0) az += 180;
        }
    }
    if (t < 0) az = -az;
    if (t == 0) az = phi >= delta ? 0 : 180;
    return {90 - z, az};
}

namespace {

SonnenStandErgebnis StandAm(int jahr, double d, bool addE, double ref, double lambda, double phi,
                            double T, bool aequinoktKlemme) {
    const SonnenOrt ort = SonnenDaten(jahr, d);
    double t = 15 * (T - 12) - (lambda - ref);
    if (addE) t += ort.eot;
    double delta = ort.dekl;
    // Near the equinox the date point goes to the centre exactly.
    if (aequinoktKlemme && std::fabs(delta) < 0.3) delta = 0;
    const HorizontOrt h = HorizontKoord(t, delta, phi);
    return {h.hoehe, h.azimut, delta, ort.eot};
}

} // namespace

SonnenStandErgebnis SonnenStand(int jahr, int N, bool addE, double ref, double lambda, double phi,
                                double T) {
    return StandAm(jahr, N + (T + ref / 15 - 12) / 24, addE, ref, lambda, phi, T, true);
}

SonnenStandErgebnis SonnenStandMittag(int jahr, int N, bool addE, double ref, double lambda,
                                      double phi, double T) {
    return StandAm(jahr, N + (ref / 15) / 24, addE, ref, lambda, phi, T, false);
}

AufUntergangErgebnis AufUntergang(int jahr, int N, double ref, double phi) {
    AufUntergangErgebnis r;
    const SonnenStandErgebnis mittag = SonnenStandMittag(jahr, N, false, ref, ref, phi, 12);
    r.dekl = mittag.dekl;
    const double dr = r.dekl * Rad, pr = phi * Rad;
    const double nenner = std::cos(pr) * std::cos(dr);
    const double zaehler = -std::sin(pr) * std::sin(dr);
    // No rise or set: the Sun stays below (polar night) or above (polar day).
    if (std::fabs(zaehler) > std::fabs(nenner)) {
        r.vorhanden = false;
        const bool polartag = (zaehler < 0) == (nenner > 0);
        r.aufgang = polartag ? 0 : 12;
        r.untergang = polartag ? 24 : 12;
        return r;
    }
    const double x = nenner == 0 ? 0 : zaehler / nenner;
    double t0 = 90;
    if (std::fabs(x) >= 1e-12) {
        t0 = std::atan(std::sqrt(1 - x * x) / x) / Rad;
        if (t0 < 0) t0 += 180;
    }
    r.aufgang = 12 - t0 / 15;
    r.untergang = 12 + t0 / 15;
    r.azAufgang = SonnenStandMittag(jahr, N, false, ref, ref, phi, r.aufgang).azimut;
    r.azUntergang = SonnenStandMittag(jahr, N, false, ref, ref, phi, r.untergang).azimut;
    return r;
}

double HalberTagbogen(double delta, double phi) {
    const double x = -TanG(phi * Rad) * TanG(delta * Rad);
    if (x > 1) return 0;   // polar night
    if (x < -1) return 12; // polar day
    return std::atan2(std::sqrt(1 - x * x), x) / Rad / 15;
}

} // namespace skiora

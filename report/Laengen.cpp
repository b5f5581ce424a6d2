#include "Laengen.h"

#include "core/Zahlen.h"

#include <cmath>
#include <numeric>

namespace skiora::report {

namespace {

std::string Zoll(double meter) {
    // Whole sixteenths first, so that 11 15/16" + 1/32" becomes 1' 0", not 0' 12".
    const double sechzehntel = std::round(std::fabs(meter) / 0.0254 * 16);
    if (!std::isfinite(sechzehntel) || sechzehntel > 1e15) return "?";
    const auto n = static_cast<long long>(sechzehntel);
    const long long fuss = n / 192, rest = n % 192;
    const long long zoll = rest / 16;
    long long zaehler = rest % 16, nenner = 16;
    std::string text =
        (n > 0 && meter < 0 ? "-" : "") + std::to_string(fuss) + "' " + std::to_string(zoll);
    if (zaehler > 0) {
        const long long g = std::gcd(zaehler, nenner);
        zaehler /= g;
        nenner /= g;
        text += " " + std::to_string(zaehler) + "/" + std::to_string(nenner);
    }
    return text + "\"";
}

} // namespace

std::string Fest(double wert, int stellen) {
    return ZahlText(stellen, stellen, wert);
}

std::string LaengeZahl(double meter, Einheit einheit) {
    if (einheit == Einheit::FussZoll) return Zoll(meter);
    return Fest(meter, 3);
}

std::string LaengeText(double meter, Einheit einheit) {
    if (einheit == Einheit::FussZoll) return Zoll(meter);
    return Fest(meter, 3) + " m";
}

std::string EinheitName(Einheit einheit) {
    return einheit == Einheit::FussZoll ? "ft/in" : "m";
}

} // namespace skiora::report

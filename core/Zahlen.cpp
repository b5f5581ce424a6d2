#include "Zahlen.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace skiora {

namespace {

std::string Rechtsbuendig(std::string text, int breite) {
    if (static_cast<int>(text.size()) < breite)
        text.insert(0, static_cast<size_t>(breite) - text.size(), ' ');
    return text;
}

bool IstLeerzeichen(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view OhneRand(std::string_view s) {
    while (!s.empty() && IstLeerzeichen(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IstLeerzeichen(s.back()))
        s.remove_suffix(1);
    return s;
}

bool IstZiffer(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::string ZahlText(int breite, int dezimalen, double wert) {
    if (dezimalen > breite || dezimalen < 0) return "";
    char puffer[400];
    // to_chars ignores the process locale: the point stays the separator.
    auto [ende, fehler] =
        std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::fixed, dezimalen);
    if (fehler != std::errc()) return "";
    std::string text(puffer, ende);
    // A value that rounds to zero shows no sign ("-0.000" reads like a fault).
    if (!text.empty() && text[0] == '-' && text.find_first_of("123456789") == std::string::npos)
        text.erase(0, 1);
    return Rechtsbuendig(std::move(text), breite);
}

std::string FestText(double wert) {
    char puffer[400];
    auto r = std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::scientific, 9);
    double gerundet = wert;
    std::from_chars(puffer, r.ptr, gerundet);
    r = std::to_chars(puffer, puffer + sizeof puffer, gerundet, std::chars_format::fixed, 6);
    if (r.ec != std::errc()) return "0.000000";
    return std::string(puffer, r.ptr);
}

double FestWert(double wert) {
    const std::string text = FestText(wert);
    double v = 0;
    std::from_chars(text.data(), text.data() + text.size(), v);
    return v;
}

std::string MinSekText(double e) {
    if (!std::isfinite(e) || std::fabs(e) > 1e6) return "  -:--";
    const double m = 4 * e;
    double s = std::round((m - std::trunc(m)) * 60); // halves away from zero
    long long minuten;
    if (std::fabs(s) == 60) {
        minuten = static_cast<long long>(std::trunc(m + 60 / s));
        s = 0;
    } else {
        minuten = static_cast<long long>(std::trunc(m));
    }
    const long long sek = static_cast<long long>(std::fabs(s));
    // The sign of a negative value under one minute would be lost with the
    // zero minutes; it is written only where the minutes cannot carry it and
    // something non-zero remains (no "--1:00", no "-0:00").
    std::string text = (minuten == 0 && m < 0 && sek != 0) ? "-" : "";
    text += std::to_string(minuten) + ":" + (sek < 10 ? "0" : "") + std::to_string(sek);
    return Rechtsbuendig(std::move(text), 6);
}

double TanG(double x) {
    if (std::fabs(x / Rad - 90) < 1e-9) x = 89.99999 * Rad;
    return std::sin(x) / std::cos(x);
}

std::optional<double> LiesZahl(const std::string& text, bool* leer) {
    std::string_view s = OhneRand(text);
    if (leer) *leer = s.empty();
    if (s.empty()) return std::nullopt;
    // Sign, digits with at most one point, optional exponent: what the
    // fields and the configuration files can hold. No "nan", "inf" or hex.
    size_t i = 0;
    if (s[i] == '+' || s[i] == '-') ++i;
    size_t ziffern = 0;
    while (i < s.size() && IstZiffer(s[i]))
        ++i, ++ziffern;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IstZiffer(s[i]))
            ++i, ++ziffern;
    }
    if (ziffern == 0) return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        size_t expZiffern = 0;
        while (i < s.size() && IstZiffer(s[i]))
            ++i, ++expZiffern;
        if (expZiffern == 0) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;
    // from_chars takes no leading "+" and reads "." forms like "-.5" and "3.".
    std::string_view zahl = s;
    bool negativ = false;
    if (zahl[0] == '+' || zahl[0] == '-') {
        negativ = zahl[0] == '-';
        zahl.remove_prefix(1);
    }
    double wert = 0;
    auto [ende, fehler] = std::from_chars(zahl.data(), zahl.data() + zahl.size(), wert);
    if (fehler != std::errc() || ende != zahl.data() + zahl.size() || !std::isfinite(wert))
        return std::nullopt;
    return negativ ? -wert : wert;
}

std::optional<long long> LiesGanzzahl(const std::string& text, bool* leer) {
    std::string_view s = OhneRand(text);
    if (leer) *leer = s.empty();
    if (s.empty()) return std::nullopt;
    bool negativ = false;
    if (s[0] == '+' || s[0] == '-') {
        negativ = s[0] == '-';
        s.remove_prefix(1);
    }
    if (s.empty()) return std::nullopt;
    for (char c : s)
        if (!IstZiffer(c)) return std::nullopt;
    unsigned long long betrag = 0;
    auto [ende, fehler] = std::from_chars(s.data(), s.data() + s.size(), betrag);
    if (fehler != std::errc() || ende != s.data() + s.size()) return std::nullopt;
    if (negativ) {
        if (betrag > static_cast<unsigned long long>(LLONG_MAX) + 1) return std::nullopt;
        return betrag == static_cast<unsigned long long>(LLONG_MAX) + 1
                   ? LLONG_MIN
                   : -static_cast<long long>(betrag);
    }
    if (betrag > static_cast<unsigned long long>(LLONG_MAX)) return std::nullopt;
    return static_cast<long long>(betrag);
}

int Naechste(double v) {
    if (std::isnan(v)) return 0;
    const double r = std::nearbyint(v); // default rounding: halves to even
    if (r >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (r <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(r);
}

std::string ZweiStellen(long long n) {
    char puffer[24];
    std::snprintf(puffer, sizeof puffer, "%02lld", n);
    return puffer;
}

} // namespace skiora

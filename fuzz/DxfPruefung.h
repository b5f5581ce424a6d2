#pragma once
// What every drawing of the converter must be, whatever the plot held: lines
// ended by CR LF, in pairs of a group code and a value; numbers where the
// code asks for one (finite, colours 0..255); sections opened and closed;
// EOF at the end. Returns "" when it is, else what is wrong and where.
#include <cctype>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

namespace skiora::pruefung {

inline std::string_view OhneRand(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

inline bool Ganzzahl(std::string_view s, long& v) {
    s = OhneRand(s);
    auto [ende, fehler] = std::from_chars(s.data(), s.data() + s.size(), v);
    return !s.empty() && fehler == std::errc() && ende == s.data() + s.size();
}

inline bool Reell(std::string_view s) {
    s = OhneRand(s);
    double v = 0;
    auto [ende, fehler] = std::from_chars(s.data(), s.data() + s.size(), v);
    return !s.empty() && fehler == std::errc() && ende == s.data() + s.size() && std::isfinite(v);
}

inline std::string DxfFehler(std::string_view dxf) {
    std::vector<std::string_view> z;
    while (!dxf.empty()) {
        const size_t ende = dxf.find("\r\n");
        if (ende == std::string_view::npos) return "the last line has no CR LF";
        const std::string_view zeile = dxf.substr(0, ende);
        if (zeile.find_first_of("\r\n") != std::string_view::npos)
            return "a lone CR or LF in line " + std::to_string(z.size() + 1);
        z.push_back(zeile);
        dxf.remove_prefix(ende + 2);
    }
    if (z.size() % 2 != 0) return "an odd number of lines";
    int offen = 0;
    for (size_t i = 0; i < z.size(); i += 2) {
        const std::string wo = " at line " + std::to_string(i + 1);
        long code = 0;
        if (!Ganzzahl(z[i], code) || code < 0 || code > 1071)
            return "no group code" + wo + ": '" + std::string(z[i]) + "'";
        const std::string_view wert = z[i + 1];
        if ((code >= 10 && code <= 59) && !Reell(wert))
            return "no number for group " + std::to_string(code) + wo;
        long n = 0;
        if (code >= 60 && code <= 79 && !Ganzzahl(wert, n))
            return "no whole number for group " + std::to_string(code) + wo;
        if (code == 62 && (n < 0 || n > 255)) return "colour " + std::to_string(n) + wo;
        if (code == 8 && wert.empty()) return "an empty layer name" + wo;
        if (code == 0 && wert == "SECTION") ++offen;
        if (code == 0 && wert == "ENDSEC" && --offen < 0) return "ENDSEC without SECTION" + wo;
    }
    if (offen != 0) return "a section left open";
    if (z.size() < 2 || OhneRand(z[z.size() - 2]) != "0" || z.back() != "EOF")
        return "no EOF at the end";
    return "";
}

} // namespace skiora::pruefung

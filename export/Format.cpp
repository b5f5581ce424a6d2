#include "Format.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace skiora::export_ {

namespace {

std::string Rechts(std::string text, int breite) {
    if (static_cast<int>(text.size()) < breite)
        text.insert(0, static_cast<size_t>(breite) - text.size(), ' ');
    return text;
}

std::string OhneNegativeNull(std::string text) {
    if (!text.empty() && text[0] == '-' && text.find_first_of("123456789") == std::string::npos)
        text.erase(0, 1);
    return text;
}

} // namespace

std::string Fest(int breite, int dezimalen, double wert) {
    // A non-finite value would make the file unreadable; it only arises from
    // absurd input, so it is written as zero.
    if (!std::isfinite(wert)) wert = 0;
    char puffer[400];
    auto [ende, fehler] =
        std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::fixed, dezimalen);
    if (fehler != std::errc()) return Rechts("0", breite);
    return Rechts(OhneNegativeNull(std::string(puffer, ende)), breite);
}

std::string Knapp(int dezimalen, double wert) {
    std::string t = Fest(0, dezimalen, wert);
    if (t.find('.') != std::string::npos) {
        while (t.back() == '0')
            t.pop_back();
        if (t.back() == '.') t.pop_back();
    }
    return OhneNegativeNull(t);
}

std::string Exponent(int breite, double wert) {
    if (!std::isfinite(wert)) wert = 0;
    char puffer[64];
    auto [ende, fehler] =
        std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::scientific, 1);
    if (fehler != std::errc()) return Rechts("0.0E+00", breite);
    std::string text(puffer, ende);
    for (char& c : text)
        if (c == 'e') c = 'E';
    return Rechts(text, breite);
}

bool AlsZahl(const std::string& text, double& wert) {
    if (text.empty()) return false;
    const char* anfang = text.data();
    const char* ende = text.data() + text.size();
    if (*anfang == '+') ++anfang;
    if (anfang == ende || *anfang == '+') return false;
    for (const char* p = anfang; p != ende; ++p)
        if (!(std::strchr("-.0123456789", *p))) return false;
    auto [rest, fehler] = std::from_chars(anfang, ende, wert, std::chars_format::fixed);
    return fehler == std::errc() && rest == ende;
}

std::string OhneFuehrende(const std::string& text, const char* zeichen) {
    size_t i = 0;
    while (i < text.size() && std::strchr(zeichen, text[i]) && text[i] != '\0')
        ++i;
    return text.substr(i);
}

} // namespace skiora::export_

// The site after the 26 lines the format defines: "Ort=", "Zeitzone=" and
// "Sommerzeit=" lines, which older versions skip. A file without them is a
// site without a name; a damaged one leaves the place as it was.
#include "Konfiguration.h"

#include "lang/Texte.h"

#include <cstdio>
#include <cstring>

namespace skiora::config {

namespace {

constexpr const char* OrtSchluessel = "Ort=";
constexpr const char* ZoneSchluessel = "Zeitzone=";
constexpr const char* SommerSchluessel = "Sommerzeit=";
constexpr std::size_t NameGrenze = 200;

// Length of the UTF-8 sequence starting with byte b (1 for a stray byte).
std::size_t Laenge(unsigned char b) {
    return b < 0xC0 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
}

char32_t CodePunkt(const std::string& s) {
    const auto b0 = static_cast<unsigned char>(s[0]);
    char32_t c = s.size() == 1 ? b0 : b0 & (0x7F >> s.size());
    for (std::size_t i = 1; i < s.size(); ++i)
        c = (c << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
    return c;
}

void Utf8(std::string& aus, char32_t c) {
    if (c < 0x80) {
        aus += static_cast<char>(c);
    } else if (c < 0x800) {
        aus += static_cast<char>(0xC0 | (c >> 6));
        aus += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        aus += static_cast<char>(0xE0 | (c >> 12));
        aus += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        aus += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        aus += static_cast<char>(0xF0 | (c >> 18));
        aus += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        aus += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        aus += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The name as the code page can hold it: a character it lacks ("Łódź"), and
// "&" itself, written as "&#x141;", so that no name is lost in the file.
std::string Maskiert(const std::string& utf8) {
    std::string aus;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t n =
            std::min(Laenge(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
        const std::string zeichen = utf8.substr(i, n);
        i += n;
        if (zeichen != "&" && (zeichen == "?" || lang::NachAnsi(zeichen) != "?")) {
            aus += zeichen;
            continue;
        }
        char hex[16];
        std::snprintf(hex, sizeof hex, "&#x%X;", static_cast<unsigned>(CodePunkt(zeichen)));
        aus += hex;
    }
    return aus;
}

// The name back; nullopt for a broken "&#x...;" or a control character.
std::optional<std::string> Entmaskiert(const std::string& text) {
    std::string aus;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F) return std::nullopt;
        if (c != '&') {
            aus += text[i];
            continue;
        }
        const auto ende = text.find(';', i);
        if (text.compare(i, 3, "&#x") != 0 || ende == std::string::npos || ende - i < 4 ||
            ende - i > 9)
            return std::nullopt;
        char32_t punkt = 0;
        for (std::size_t k = i + 3; k < ende; ++k) {
            const char h = text[k];
            const int w = h >= '0' && h <= '9'   ? h - '0'
                          : h >= 'A' && h <= 'F' ? h - 'A' + 10
                          : h >= 'a' && h <= 'f' ? h - 'a' + 10
                                                 : -1;
            if (w < 0) return std::nullopt;
            punkt = punkt * 16 + static_cast<char32_t>(w);
        }
        if (punkt < 0x20 || punkt > 0x10FFFF || (punkt >= 0xD800 && punkt <= 0xDFFF))
            return std::nullopt;
        Utf8(aus, punkt);
        i = ende;
    }
    return aus;
}

// An IANA name: letters, digits and "/_+-", as "America/Argentina/Buenos_Aires".
bool ZonenName(const std::string& z) {
    if (z.empty() || z.size() > 64) return false;
    for (const char c : z)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
              c == '/' || c == '_' || c == '+' || c == '-'))
            return false;
    return true;
}

bool Beginnt(const std::string& s, const char* mit) {
    return s.rfind(mit, 0) == 0;
}

} // namespace

std::vector<std::string> OrtZeilenSchreiben(const Ortsangaben& ort) {
    std::vector<std::string> z;
    if (!ort.Name.empty()) z.push_back(OrtSchluessel + Maskiert(ort.Name));
    if (!ort.Zeitzone.empty()) z.push_back(ZoneSchluessel + ort.Zeitzone);
    if (ort.Sommerzeit) z.push_back(std::string(SommerSchluessel) + "j");
    return z;
}

OrtLesung OrtZeilenLesen(const std::vector<std::string>& zeilen, const Ortsangaben& bisher) {
    OrtLesung l;
    bool name = false, zone = false, sommer = false;
    for (std::size_t i = KonfigZeilenAnzahl; i < zeilen.size(); ++i) {
        const std::string& t = zeilen[i];
        const int nr = static_cast<int>(i) + 1;
        auto beschaedigt = [&] {
            l.ort = bisher;
            l.beschaedigteZeile = nr;
            return l;
        };
        if (Beginnt(t, OrtSchluessel)) {
            const auto n = Entmaskiert(t.substr(std::strlen(OrtSchluessel)));
            if (name || !n || n->empty() || n->size() > NameGrenze) return beschaedigt();
            l.ort.Name = *n;
            name = true;
        } else if (Beginnt(t, ZoneSchluessel)) {
            const std::string z = t.substr(std::strlen(ZoneSchluessel));
            if (zone || !ZonenName(z)) return beschaedigt();
            l.ort.Zeitzone = z;
            zone = true;
        } else if (Beginnt(t, SommerSchluessel)) {
            const std::string w = t.substr(std::strlen(SommerSchluessel));
            if (sommer || (w != "j" && w != "n")) return beschaedigt();
            l.ort.Sommerzeit = w == "j";
            sommer = true;
        }
        // Other lines belong to later versions and are left to them.
    }
    return l;
}

} // namespace skiora::config

// UTF-8 (in memory) to and from the Windows Western code page 1252 (files).
#include "lang/Texte.h"

#include <cstdint>

namespace skiora::lang {
namespace {

// Bytes 0x80..0x9F of code page 1252. The five bytes the code page leaves
// undefined map to the C1 control of the same value, as Windows does, so that
// any byte read from a file survives VonAnsi followed by NachAnsi.
constexpr char32_t Bereich80[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The byte for a code point, or '?' when the code page has none.
char NachByte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (Bereich80[i] == c) return static_cast<char>(0x80 + i);
    return '?';
}

// Decodes one code point at s[i]; returns its length in bytes, or 0 when the
// bytes there are no valid UTF-8 (overlong, surrogate, beyond U+10FFFF, cut off).
std::size_t Dekodiere(const std::string& s, std::size_t i, char32_t& c) {
    const auto b0 = static_cast<std::uint8_t>(s[i]);
    std::size_t n;
    char32_t min;
    if (b0 < 0x80) {
        c = b0;
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        n = 2, c = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        n = 3, c = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        n = 4, c = b0 & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (s.size() - i < n) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        const auto b = static_cast<std::uint8_t>(s[i + k]);
        if ((b & 0xC0) != 0x80) return 0;
        c = (c << 6) | (b & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    return n;
}

void HaengeUtf8An(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

// A byte that does not start a valid sequence becomes one "?" and the next
// byte is tried afresh, so broken input costs only the broken bytes.
std::string NachAnsi(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t c = 0;
        const std::size_t n = Dekodiere(utf8, i, c);
        out += n == 0 ? '?' : NachByte(c);
        i += n == 0 ? 1 : n;
    }
    return out;
}

std::string VonAnsi(const std::string& ansi) {
    std::string out;
    out.reserve(ansi.size() + ansi.size() / 4);
    for (const char ch : ansi) {
        const auto b = static_cast<std::uint8_t>(ch);
        HaengeUtf8An(out, b >= 0x80 && b < 0xA0 ? Bereich80[b - 0x80] : char32_t{b});
    }
    return out;
}

} // namespace skiora::lang

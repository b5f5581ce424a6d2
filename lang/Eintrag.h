#pragma once
// Internal to lang/: one entry of a language-indexed table and the checks that
// keep the hand-maintained tables in order.
#include <cstddef>
#include <string>

namespace skiora::lang::detail {

struct Eintrag {
    int nr;
    const char* deutsch;
    const char* englisch;
};

// Sprache 1 German, 2 English; any other value has no text.
inline std::string Waehle(const Eintrag& e, int sprache) {
    if (sprache == 1) return e.deutsch;
    if (sprache == 2) return e.englisch;
    return {};
}

// Entry i must carry number erste + i, so that the number written beside each
// text is also its position; a dropped or duplicated line fails to compile.
template <std::size_t N> constexpr bool Fortlaufend(const Eintrag (&t)[N], int erste) {
    for (std::size_t i = 0; i < N; ++i)
        if (t[i].nr != erste + static_cast<int>(i)) return false;
    return true;
}

// Sparse ids (string resources) must be strictly ascending for the binary search.
template <std::size_t N> constexpr bool Aufsteigend(const Eintrag (&t)[N]) {
    for (std::size_t i = 1; i < N; ++i)
        if (t[i - 1].nr >= t[i].nr) return false;
    return true;
}

} // namespace skiora::lang::detail

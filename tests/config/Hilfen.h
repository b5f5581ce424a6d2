#pragma once
// Shared helpers of the configuration tests.
#include "config/Konfiguration.h"
#include "core/Sonnenuhr.h"

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace skiora::test {

inline std::vector<std::string> Standardzeilen() {
    Sonnenuhr uhr;
    return config::KonfigurationSchreiben(uhr);
}

// The default file with some lines (numbered from 1) replaced.
inline std::vector<std::string> Zeilen(std::initializer_list<std::pair<int, const char*>> neu) {
    auto z = Standardzeilen();
    for (auto [nr, text] : neu)
        z[nr - 1] = text;
    return z;
}

inline const std::vector<SammelMelder::Eintrag>& Meldungen(Sonnenuhr& uhr) {
    return dynamic_cast<SammelMelder&>(uhr.melder()).eintraege;
}

inline std::string LetzteMeldung(Sonnenuhr& uhr) {
    return Meldungen(uhr).empty() ? "" : Meldungen(uhr).back().text;
}

inline std::string AlsDatei(const std::vector<std::string>& zeilen, const char* ende) {
    std::string s;
    for (const auto& z : zeilen)
        s += z + ende;
    return s;
}

} // namespace skiora::test

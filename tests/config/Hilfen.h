#pragma once
// Shared helpers of the configuration tests.
#include "config/Konfiguration.h"
#include "core/Sonnenuhr.h"

#include <string>
#include <vector>

namespace skiora::test {

inline std::vector<std::string> Standardzeilen() {
    Sonnenuhr uhr;
    return config::KonfigurationSchreiben(uhr);
}

inline std::string LetzteMeldung(Sonnenuhr& uhr) {
    auto* s = dynamic_cast<SammelMelder*>(&uhr.melder());
    return s && !s->eintraege.empty() ? s->eintraege.back().text : "";
}

inline size_t MeldungsAnzahl(Sonnenuhr& uhr) {
    auto* s = dynamic_cast<SammelMelder*>(&uhr.melder());
    return s ? s->eintraege.size() : 0;
}

} // namespace skiora::test

#include "Seitensatz.h"

namespace skiora::draw {

Papier A4() {
    return {"A4", 2100, 2970};
}

std::optional<Papier> PapierNamens(std::string_view name) {
    if (name == "A4") return A4();
    if (name == "A3") return Papier{"A3", 2970, 4200};
    // 8.5 by 11 inches, exactly.
    if (name == "Letter") return Papier{"Letter", 2159, 2794};
    return std::nullopt;
}

} // namespace skiora::draw

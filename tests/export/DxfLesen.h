#pragma once
// Test helper: the entities of a DXF text as name and (group code, value) pairs.
#include <string>
#include <utility>
#include <vector>

namespace skiora::export_::test {

struct Objekt {
    std::string name;
    std::vector<std::pair<std::string, std::string>> gruppen;
    std::string Wert(const std::string& code, int n = 0) const {
        for (const auto& [c, v] : gruppen)
            if (c == code && n-- == 0) return v;
        return "<fehlt>";
    }
};

inline std::vector<std::string> Zeilen(const std::string& text) {
    std::vector<std::string> z;
    size_t a = 0;
    while (a < text.size()) {
        size_t e = text.find("\r\n", a);
        if (e == std::string::npos) e = text.size();
        z.push_back(text.substr(a, e - a));
        a = e + 2;
    }
    return z;
}

inline std::vector<Objekt> Objekte(const std::string& text) {
    const auto z = Zeilen(text);
    std::vector<Objekt> o;
    size_t i = 0;
    while (i < z.size() && z[i] != "ENTITIES")
        ++i;
    i += 2;
    while (i < z.size() && z[i] != "ENDSEC") {
        Objekt ob{z[i], {}};
        ++i;
        while (i + 1 < z.size() && z[i] != "0" && z[i] != "  0") {
            ob.gruppen.emplace_back(z[i], z[i + 1]);
            i += 2;
        }
        ++i;
        o.push_back(ob);
    }
    return o;
}

} // namespace skiora::export_::test

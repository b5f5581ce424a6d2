#include "Verzeichnisse.h"

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace skiora::verz {

namespace {

const char* const HilfeDateien[] = {"skiora_d.html", "skiora_e.html"};

bool HatHilfe(const std::string& verz) {
    std::error_code ec;
    for (const char* name : HilfeDateien)
        if (fs::exists(verz + name, ec)) return true;
    return false;
}

std::string Geteilt(const std::string& progVerz) {
    return progVerz + "../share/skiora/";
}

std::string MitSchraegstrich(std::string s) {
    if (!s.empty() && s.back() != '/') s += '/';
    return s;
}

} // namespace

bool Installiert(const std::string& progVerz) {
    std::error_code ec;
    return !progVerz.empty() && !HatHilfe(progVerz) && fs::is_directory(Geteilt(progVerz), ec);
}

std::string DatenVerz(const std::string& progVerz) {
    if (!Installiert(progVerz)) return progVerz;
    // "bin/../share/skiora/" reads badly in messages: say where it is.
    std::error_code ec;
    const fs::path echt = fs::weakly_canonical(Geteilt(progVerz), ec);
    return ec ? Geteilt(progVerz) : MitSchraegstrich(echt.string());
}

std::string BenutzerKonfigVerz() {
    // The XDG rule: a relative $XDG_CONFIG_HOME is to be ignored.
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/') return MitSchraegstrich(xdg) + "skiora/";
    const char* heim = std::getenv("HOME");
    if (heim && heim[0] == '/') return MitSchraegstrich(heim) + ".config/skiora/";
    return {};
}

std::string StartKonfigVerz(const std::string& progVerz) {
    if (!Installiert(progVerz)) return progVerz;
    const std::string benutzer = BenutzerKonfigVerz();
    return benutzer.empty() ? progVerz : benutzer;
}

} // namespace skiora::verz

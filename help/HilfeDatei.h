#pragma once
// Which help file belongs to which language, and the start-up notice when it
// is missing. The files are HTML pages beside the program.
#include <string>

namespace skiora::help {

inline std::string HilfeDateiName(bool deutsch) {
    return deutsch ? "skiora_d.html" : "skiora_e.html";
}

// progVerz ends with the directory separator, as ProgVerz does.
inline std::string HilfeDateiPfad(const std::string& progVerz, bool deutsch) {
    return progVerz + HilfeDateiName(deutsch);
}

// Shown at start-up (caption TitelInfo, question icon) when the file is absent.
inline std::string HilfeDateiFehlt(const std::string& datei) {
    return "Help file " + datei + " not found!";
}

} // namespace skiora::help

#include "app/Aenderungen.h"

#include "config/Konfiguration.h"
#include "lang/KomfortTexte.h"

#include <filesystem>

namespace skiora::app {

namespace {
constexpr std::size_t SprachZeile = 20; // line 21, 0-based
}

std::vector<std::string> Aenderungen::Stand(const Sonnenuhr& uhr) {
    std::vector<std::string> zeilen = config::KonfigurationSchreiben(uhr);
    if (zeilen.size() > SprachZeile) zeilen[SprachZeile].clear();
    return zeilen;
}

void Aenderungen::Merken(const Sonnenuhr& uhr, std::string datei) {
    stand_ = Stand(uhr);
    datei_ = std::move(datei);
}

bool Aenderungen::Geaendert(const Sonnenuhr& uhr) const {
    return Stand(uhr) != stand_;
}

std::string Aenderungen::Name(int sprache) const {
    if (datei_.empty()) return lang::Text(sprache, lang::komfort::Unbenannt);
    return std::filesystem::path(datei_).filename().string();
}

std::string Aenderungen::Titel(int sprache) const {
    // A "[*]" in a file name is shown as it is, not as the marker.
    std::string name = Name(sprache);
    for (auto p = name.find("[*]"); p != std::string::npos; p = name.find("[*]", p + 6))
        name.replace(p, 3, "[*][*]");
    return name + "[*] — " + lang::komfort::ProgrammTitel;
}

} // namespace skiora::app

#include "KonfigTexte.h"

#include "Texte.h"

namespace skiora::lang {

std::string KonfigFehlerZeile(int sprache, int zeile, const std::string& text) {
    return Text(sprache, {"Zeile ", "Line "}) + std::to_string(zeile) + ": " + text;
}

std::string KonfigDateiLeer(int sprache, const std::string& pfad) {
    return Text(sprache, {"Die Datei ", "The file "}) + pfad +
           Text(sprache, {" ist leer.", " is empty."});
}

std::string KonfigDateiZuGross(int sprache, const std::string& pfad, std::size_t grenze) {
    const std::string kib = std::to_string(grenze / 1024) + " KiB";
    return Text(sprache, {"Die Datei ", "The file "}) + pfad +
           Text(sprache, {" ist zu groß für eine Konfiguration (mehr als ",
                          " is too large for a configuration (more than "}) +
           kib + ").";
}

} // namespace skiora::lang

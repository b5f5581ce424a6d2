// Main-menu captions and the month abbreviations.
#include "lang/Texte.h"

namespace skiora::lang {
namespace {

// clang-format off
// In menu order; the comment is the number of the item. The 19th goes to no item.
const std::array<std::string, 19> MenuTexteDeutsch = {
    "  &Datei  ", // 1
    "Drucker &einrichten", // 2
    "&Grafik Drucken...", // 3
    "angezeigte &Liste drucken", // 4
    "&alle Listen drucken", // 5
    "&Beenden", // 6
    "  &Optionen ", // 7
    "Eingabefelder &wechseln", // 8
    "Größe anpassen (Reset)", // 9
    "Konfiguration &speichern", // 10
    "&als Startkonfiguration speichern", // 11
    "Konfiguration &laden", // 12
    " S&prache ", // 13
    "  &Deutsch  ", // 14
    " &Englisch  ", // 15
    "  &Hilfe  ", // 16
    " &Hilfedatei  ", // 17
    " &About   ", // 18
    "", // 19
};

const std::array<std::string, 19> MenuTexteEnglisch = {
    "  &Files  ", // 1
    " Printer Setu&p", // 2
    " Print &Graphic... ", // 3
    " Print List &Displayed", // 4
    " Print &all Lists", // 5
    " &Quit", // 6
    "   &Options ", // 7
    "Change Input &Panel", // 8
    "Reset (Adapt Window Size)", // 9
    "&Save Configuration", // 10
    "Save &as Start Configuration", // 11
    "Load &Configuration", // 12
    "&Language", // 13
    " &German", // 14
    " &English ", // 15
    "  &Help  ", // 16
    " &Help Information", // 17
    "  &About  ", // 18
    "", // 19
};
// clang-format on

} // namespace

const std::array<std::string, 19>& MenuTexte(bool deutsch) {
    return deutsch ? MenuTexteDeutsch : MenuTexteEnglisch;
}

const std::array<const char*, 13> MonatsNamen = {"",    "Jan", "Feb", "Mar", "Apr", "Mai", "Jun",
                                                 "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};

} // namespace skiora::lang

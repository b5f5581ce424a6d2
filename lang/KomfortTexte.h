#pragma once
// Texts of the window's everyday conveniences: the title, the question
// before unsaved changes are lost, the added file commands, the recent
// configurations, and the licence in the about panel.
#include "lang/Texte.h"

#include <string>

namespace skiora::lang::komfort {

// The program's caption; the window title puts the file name before it.
inline constexpr const char* ProgrammTitel = "Skiora,  vers. 1.6c";

inline constexpr Zweisprachig Unbenannt{"unbenannt", "untitled"};

// %1 is the file name (or "unbenannt").
inline constexpr Zweisprachig FrageGeaendert{"Die Sonnenuhr „%1“ wurde geändert.",
                                             "The dial “%1” has been changed."};
inline constexpr Zweisprachig FrageSpeichern{"Sollen die Änderungen gespeichert werden?",
                                             "Do you want to save the changes?"};
inline constexpr Zweisprachig KnopfSpeichern{"&Speichern", "&Save"};
inline constexpr Zweisprachig KnopfVerwerfen{"&Verwerfen", "&Discard"};
inline constexpr Zweisprachig KnopfAbbrechen{"Abbrechen", "Cancel"};

inline constexpr Zweisprachig MenueNeu{"&Neu (Startkonfiguration)", "&New (Start Configuration)"};
inline constexpr Zweisprachig MenueSpeichernUnter{"Konfiguration speichern &unter ...",
                                                  "Sa&ve Configuration As ..."};
inline constexpr Zweisprachig MenueZuletzt{"&Zuletzt geöffnet", "&Recent Configurations"};
inline constexpr Zweisprachig ZuletztKeine{"(keine)", "(none)"};
inline constexpr Zweisprachig ZuletztLeeren{"Liste leeren", "Clear List"};
// %1 is the full path.
inline constexpr Zweisprachig ZuletztFehlt{
    "Die Konfiguration „%1“ gibt es nicht mehr.\nSie wird aus der Liste der zuletzt geöffneten "
    "Konfigurationen entfernt.",
    "The configuration “%1” no longer exists.\nIt is removed from the list of recent "
    "configurations."};

inline constexpr Zweisprachig AboutProjekt{"Ein Programm des Skiora-Projekts",
                                           "A program of the Skiora project"};
inline constexpr Zweisprachig AboutLizenzTitel{"Lizenz: ", "Licence: "};
inline constexpr Zweisprachig AboutLizenz{"GNU General Public License, Version 3 oder neuer",
                                          "GNU General Public License, version 3 or later"};
inline constexpr Zweisprachig AboutFrei{
    "Freie Software: Sie dürfen sie unter den Bedingungen der Lizenz weitergeben und "
    "ändern.\nSie wird ohne jede Gewährleistung bereitgestellt.",
    "Free software: you may share and change it under the terms of the licence.\nIt comes "
    "without any warranty."};
// The licence's own published text.
inline constexpr const char* LizenzAdresse = "https://www.gnu.org/licenses/gpl-3.0.html";

// The text with "%1" replaced by `name`.
inline std::string Mit(int sprache, const Zweisprachig& t, const std::string& name) {
    std::string s = Text(sprache, t);
    const auto p = s.find("%1");
    if (p != std::string::npos) s.replace(p, 2, name);
    return s;
}

} // namespace skiora::lang::komfort

// Numbered messages and message-box captions.
#include "lang/Eintrag.h"
#include "lang/Texte.h"

#include <iterator>

namespace skiora::lang {
namespace {

using detail::Eintrag;

// clang-format off
// No., German, English. Empty entries only keep their number.
constexpr Eintrag Meldungen[] = {
    {  0, "", ""},
    {  1, "      (Alter Wert mit Taste <RETURN> ) !", "        (Press <ENTER> for old value)"},
    {  2, "Der Wert muss positiv sein!", "The value must be positive !"},
    {  3, "Die Inklination muss im Bereich [0 ° ... +175 °] liegen!", "The inclination has to be in between [0 ° ... +175 °] !"},
    {  4, "Das ist keine reelle Zahl.", "This is not a real number !"},
    {  5, "Das ist keine ganze Zahl.", "This number must be an integer !"},
    {  6, "Fehlerhafte Eingabe !", "Error in Input !"},
    {  7, "Fehler beim Lesen der Datei!", "Error in reading the file!"},
    {  8, "Bitte zuerst die fehlerhafte Eingabe korrigieren!", "Please correct error in input !"},
    {  9, "Jahresangabe ", "year "},
    { 10, "Die Taglänge in Stunden ist falsch: ", "Day length in hours is wrong: "},
    { 11, "Zeiger  gegenüber  Uhrenebene zu flach!\rBerechnung abgebrochen", "Gnomon lies (nearly) in the dial plane!\n\rCalculation aborted !"},
    { 12, "Kein Gnomonschatten,  da Winkel falsch!", "Gnomon has no shadow - angle is wrong !"},
    { 13, ": Zulässiger Wertebereich ist", ": Value has to be in Interval"},
    { 14, "Die Datei ist fehlerhaft. Soll sie gelöscht werden?", "File contains errors and should be deleted."},
    { 15, "Datei wurde gespeichert!", "File saved !"},
    { 16, "Soll zusätzlich das Koordinatennetz gezeichnet werden?", "Additional Grid of Co-ordinates in Graphics-File"},
    { 17, "Fehlerhaftes Datum !", "Error in Date !"},
    { 18, " :  Datei kann nicht gespeichert werden! Schreibgeschützt?", " :  Could not save file! Write-protection?"},
    { 19, "Die Bildschirmeinstellung 1024 x 768 mit großer Schrift wäre optimal!", "Optimum for the program screen-display is 1024 x 768 (and large font)!"},
    { 20, " konnte nicht gelöscht werden!", ": Could not delete this file!"},
    { 21, "Die Stundeneingaben in der Tabelle sind falsch!", "Table input for hours erroneous!"},
    { 22, " : Datei konnte nicht gelöscht werden !", " : Could not delete file !"},
    { 23, "Der Drucker ist nicht betriebsbereit! Daher nicht konfiguriert!", "Could not configure printer! (Not ready)"},
    { 24, "Die Aufgabe kann nicht geloest werden!", "Cannot find solution!"},
    { 25, "Fehler bei Umwandlung in String!", "Error in conversion into string!"},
    { 26, "Dieses Kalenderdatum existiert nicht. 1582/10/15 ist der korrigierte Wert für die Berechnung!", "This date does not exist. Correction to 15/10/1582 is made for calculation!"},
    { 27, " existiert bereits!", " exists already !"},
    { 28, "Überschreibe jetzt die Datei ", " overwriting file "},
    { 29, " nicht gefunden!", " not found!"},
    { 30, "", ""},
    { 31, "Ein Fehler ist  aufgetreten. Das", "Error! The result is probably false."},
    { 32, "Ergebnis ist eventuell falsch!", " "},
    { 33, " fehlt. (Weitere Information im Menü \r\"Hilfe / Hilfe Index\" unter dem Stichwort INI-Datei!", "File missing. For generating it have a look\rat menu \"Help / HelpIndex\"!"},
    { 34, "Die Datei fehlt. Soll sie erstellt werden?", "File  not found. Create File?"},
    { 35, "(Siehe auch Menü \"INFO/Hilfe\", Stichwort \"INI-Datei\")", "(More Information in menu \"Help / Help Index\", keyword \"INI-File\")"},
    { 36, " Datei wurde gelöscht! Das Programm wird jetzt beendet.\n\rStarten Sie es erneut und akzeptieren Sie dabei \"VUX.INI erstellen\" !", " File deleted!   The program will be terminated.\n\rPlease restart and accept then saving new VUX.INI!"},
    { 37, "Programm wird beendet. Bitte löschen Sie SKIORA.INI\rund starten Sie das Programm neu!", "The program will be terminated now. Please\rdelete VUX.INI and restart the program"},
    { 38, " gespeichert! ", "  saved ! "},
    { 39, "", ""},
    { 40, "", ""},
    { 41, "", ""},
    { 42, "Fehler - Drucken abgebrochen!", "Error - Printing cancelled !"},
    { 43, "", ""},
    { 44, "", ""},
    { 45, " nicht konvertiert!\n\rHPGL-File ist eventuell defekt.", " not converted!\n\rHPGL-file is probably corrupted."},
    { 46, "", ""},
    { 47, "", ""},
    { 48, "Es ist keine Internetverbindung möglich!", "LINK to Internet not possible!"},
    { 49, "", ""},
    { 50, "Ihre Bildschirmeinstellung ist ", "Your screen is set to "},
    { 51, " mit großer Schrift.", " with big font."},
    { 52, " mit kleiner Schrift.", " with small font."},
    { 53, "Datei konnte nicht gespeichert werden!", "Unable to save file!"},
    { 54, "Daten mit Seitenvorschub ausdrucken?", "Print data with following form feed?"},
    { 55, "Datei wurde gelöscht!", "File deleted!"},
    { 56, "Datei konnte nicht gelöscht werden!", "Unable to delete file!"},
};
// clang-format on
static_assert(detail::Fortlaufend(Meldungen, 0));
static_assert(std::size(Meldungen) == 57);

struct Titelpaar {
    const char* deutsch;
    const char* englisch;
};

// clang-format off
// In the order of enum Titel.
constexpr Titelpaar Titeltexte[] = {
    {"SKIORA.EXE  -  Warnung!", "SKIORA.EXE - Warning!"}, // TitelWarnung
    {"SKIORA.EXE  -  Fehler!", "SKIORA.EXE - Error!"}, // TitelFehler
    {"SKIORA.EXE  -  Information!", "SKIORA.EXE  -  Information!"}, // TitelInfo
    {"SKIORA.EXE  -  Problem!", "SKIORA.EXE  -  Problem!"}, // TitelProblem
    {"SKIORA.EXE - Zeichnung als Datei speichern", "SKIORA.EXE - Save as Graphics File"}, // TitelGrafikDatei
    {"SKIORA.EXE - Konstruktionsdaten laden", "SKIORA.EXE - Load Construction Data"}, // TitelLaden
    {"SKIORA.EXE - Tabelle speichern", "SKIORA.EXE - Save Table"}, // TitelTabelle
};
// clang-format on
static_assert(std::size(Titeltexte) == static_cast<std::size_t>(Titel::Tabelle) + 1);

} // namespace

std::string Meldung(int sprache, int nr) {
    if (nr < 0 || nr >= static_cast<int>(std::size(Meldungen))) return {};
    return detail::Waehle(Meldungen[nr], sprache);
}

std::string TitelText(int sprache, Titel titel) {
    const auto i = static_cast<std::size_t>(titel);
    if (i >= std::size(Titeltexte)) return {};
    const Titelpaar& p = Titeltexte[i];
    return detail::Waehle({0, p.deutsch, p.englisch}, sprache);
}

} // namespace skiora::lang

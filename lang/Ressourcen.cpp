// Numbered string resources: the German text has its id, the English twin the
// id + 2000. Controls name their text by id.
#include "lang/Eintrag.h"
#include "lang/Texte.h"

#include <algorithm>
#include <iterator>

namespace skiora::lang {
namespace {

using detail::Eintrag;

constexpr int EnglischAb = 2000;

// clang-format off
// Id, German (id), English (id + 2000).
constexpr Eintrag Ressourcen[] = {
    {  1, " &Nächstes... >", " &Next... >"},
    {  2, "&Speichern...", " &Save as.."},
    {  3, " &Drucken", "  &Print"},
    {  4, "Parameter &speichern", "&Save Parameters"},
    {  5, "Parameter &laden", "&Load Parameters"},
    {  6, "&Gnomon Höhe:", "&Gnomon Height"},
    {  7, " S&chließen", "  &Close"},
    {  8, " Abbru&ch", " &Cancel"},
    {  9, " &Weiter >", " &Next... >"},
    { 10, " &Hilfe", " &Help"},
    { 12, "S&peichern...", " Save &as.."},
    { 13, " &Laden...", " &Load..."},
    { 14, "Sp&eichern...", " Sa&ve..."},
    { 15, "&weitere Eingaben ...", "&More Options ..."},
    { 16, "&neue Berechnung", "&New Calculation"},
    { 17, "Tabelle speichern ...", "Save Table ..."},
    { 19, "Genaue Anzeige für diese 2 Std.", "Exact Display for 2 + 2 Hours"},
    { 20, "Stunden von..bis, +Intervall", "Hours from..to, and Time Intervall"},
    { 21, "folgende Stunden", "for following hours"},
    { 22, "Stunden mit 'Fehlergewichtung'", "Hours and 'Error Weight'"},
    { 23, "Stunden mit 'Fehlergewichtung'", "Hours and 'Error Weight'"},
    { 24, "Grad", "degrees"},
    { 25, "Grad (Vorzeichenwechsel bei Deklination<0)", "degrees (sign changes if declination<0)"},
    { 30, "Auf-/Untergangszeit markieren", "Mark time for rise/set"},
    { 31, "genauere Rechnung", "higher precision"},
    { 32, "Tabelle zeigt", "Tabel shows"},
    { 40, "Laenge der großen Halbachse? [2,..., 20]", "Length of big half axis [2,... ,20]"},
    { 41, "Konstruktion speichern (hpgl-Format)", "Save Construction (hpgl-format)"},
    { 42, "Konstruktion speichern (dxf-Format)", "Save Construction (dxf-format)"},
    { 90, "Fehler tabellieren", "Error Evaluation"},
    { 91, "Fehler bei Ablesung über Auf-/Untergangsmarken", "Error for reading Sun rise/set  if rise/set marks are used"},
    { 92, "Max. Richtungsfehler:", "Maximal Direction Error:"},
    { 93, "Deklination für fixierten Auf/Untergangspunkt: ", "Declination for fixed Seasonal Markers : "},
    { 94, "Auf-/Untergangspunkt (Position): ", "Position of Sun rise/set marks: "},
    { 98, "Halbachsen a||b", "half axes a||b"},
    { 99, "kleine Halbachse", "Minor half axis"},
    {100, "Art der Sonnenuhr", "Type of Sundial"},
    {101, "Daten der Sonnenuhr", "Data of Analemmatic Sundial"},
    {102, "Stundenmarkierungen", "Hour marks"},
    {103, "geogr. Breite", "Latitude"},
    {104, "geogr. Laenge", "Longitude"},
    {105, "Zonenmeridian", "Zone meridian"},
    {106, "grosse Halbachse", "Major half axis"},
    {107, "Neigung Uhrebene", "Plane inclination"},
    {108, "Gnomon Neigung", "Gnomon inclination"},
    {109, "Gnomon Hoehe", "Gnomon height"},
    {110, "von", "from"},
    {111, "bis", "to"},
    {112, "vor 12 Uhr", "   a.m."},
    {113, "| ab 12 Uhr", "|  p.m."},
    {114, "pro Stunde", "per hour"},
    {115, "Zonenzeit anzeigen", "Show time of zone meridian"},
    {116, "Berechnung fuer Jahr", "Calculations for year"},
    {117, "am [dd/mm]", "on [dd/mm]"},
    {118, "More ...", "More ..."},
    {119, "Auf-/Untergangspunkt- Deklin.", "Rise/set mark - declination"},
    {120, "Für die neueste Programmversion :", "For the newest version goto:"},
    {121, "Sprache", "Language"},
    {122, "Name der INI-Datei", "Name of INI-file"},
    {123, "&Weiter >", "&More >"},
    {124, "zur Berechnung analemmatischer Sonnenuhren", "               calculates analemmatic sundials"},
    {125, "Eingabe ", "Input"},
    {126, "Optimierung fuer", "Search optimum for"},
    {127, "Schattenweg", "Shadow path"},
    {201, "Reset (Größe anpassen)", "Reset (Size Adaption)"},
    {202, "Drucker einrichten", "Printer Setup"},
    {203, "Grafik drucken", "Print Graphic"},
    {204, "angezeigte Liste drucken", "Print Displayed List"},
    {205, "alle Listen drucken", "Print all Lists"},
    {206, "Konfiguration speichern", "Save actual Configuration"},
    {207, "Konfiguration laden", "Load Configuration"},
    {220, "Anzeige 'Schattenweg' nicht aktiviert!", "Display of 'Shadow path' is deactivated!"},
};
// clang-format on
static_assert(detail::Aufsteigend(Ressourcen));
static_assert(Ressourcen[std::size(Ressourcen) - 1].nr < 1000);

} // namespace

std::string LadeText(int id) {
    int sprache = 1;
    if (id >= EnglischAb) {
        id -= EnglischAb;
        sprache = 2;
    }
    if (id <= 0 || id >= 1000) return {};
    const auto* e = std::lower_bound(std::begin(Ressourcen), std::end(Ressourcen), id,
                                     [](const Eintrag& a, int n) { return a.nr < n; });
    if (e == std::end(Ressourcen) || e->nr != id) return {};
    return detail::Waehle(*e, sprache);
}

std::string LadeText(const Sprachzustand& s, int id) {
    return LadeText(id + s.TextOffset);
}

std::string LadeTextOhneKuerzel(const Sprachzustand& s, int id) {
    std::string t = LadeText(s, id);
    std::erase(t, '&');
    return t;
}

} // namespace skiora::lang

#pragma once
// Configuration files: the whole dial as 26 lines of text, meaning by
// position. Lines in memory are UTF-8; files are in the Windows code page
// with CR LF line ends.
#include "core/Datei.h"
#include "core/Sonnenuhr.h"

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace skiora::config {

inline constexpr int KonfigZeilenAnzahl = 26;

// Who asked for a reading: an unreadable extra date falls back to "01/08"
// only when neither the date field nor the load command asked.
enum class LeseAbsender { Hauptfenster, Datenladen1, MaskEdit1 };

// The 26 lines of the current state.
std::vector<std::string> KonfigurationSchreiben(const Sonnenuhr& uhr);
// The same lines as the file holds them: Windows code page, each ended by CR LF.
std::string KonfigurationText(const Sonnenuhr& uhr);
std::string DateiText(const std::vector<std::string>& zeilen);
void KonfigurationSchreiben(const Sonnenuhr& uhr, std::ostream& aus);

enum class LeseStatus {
    Gelesen,  // every line applied
    Leer,     // no lines: "File  not found!"
    Gestoppt, // a faulty line: nothing applied, the dial is as it was
};

struct LeseErgebnis {
    LeseStatus status = LeseStatus::Gelesen;
    int zeile = 0; // the faulty line (1-based) when stopped
};

// Everything a configuration file can set. A file is read into a copy of
// this and applied only when every line is valid.
struct Konfiguration {
    DialParams p;
    Optionen opt;
    Ortsangaben ort; // for lines after the 26th, which are not read yet
    bool spracheDeutsch = true;
    bool riseSetHaken = false; // ChBRiseSetHaken
    bool riseSetAktiv = true;  // ChBRiseSetAktiv: read only, decides MarkRiseSet
    Gitter stundenEingabe;     // StrGridEin
};
Konfiguration KonfigurationVon(const Sonnenuhr& uhr);

// A file's text read over a starting state, without touching any document.
struct Einlesung {
    LeseStatus status = LeseStatus::Gelesen;
    int zeile = 0;              // the faulty line (1-based) when stopped
    std::string zeilenText;     // its text
    Konfiguration konfig;       // the state the file gives (when Gelesen)
    bool datumUnlesbar = false; // line 19 is no date: message 17 on applying
};

// The lines of a file's bytes: a leading UTF-8 byte-order mark skipped (the
// rest is then UTF-8), else the Windows code page; CR LF or LF.
std::vector<std::string> ZeilenAusText(std::string_view bytes);
Einlesung KonfigurationAusZeilen(const std::vector<std::string>& zeilen, const Sonnenuhr& ausgang,
                                 LeseAbsender absender);
// Bytes in, the parsed state or the faulty line out: no files, no messages.
Einlesung KonfigurationAusText(std::string_view bytes, const Sonnenuhr& ausgang,
                               LeseAbsender absender = LeseAbsender::Datenladen1);
// Puts a read configuration into the document and reports an unreadable date.
void Uebernehmen(Sonnenuhr& uhr, const Einlesung& e);

// Reads the lines into the document, all or nothing. A value that the
// window's own input checks would refuse stops the reading like an
// unreadable line; "Error during File Input!" then names the line.
LeseErgebnis KonfigurationLesen(Sonnenuhr& uhr, LeseAbsender absender,
                                const std::vector<std::string>& zeilen);

struct DatumErgebnis {
    bool fehler = false;
    bool unlesbar = false; // not a number at all: message 17
    std::string text;      // normalized "dd/mm", empty when not valid
    std::string name;      // "dd. Mon", empty when not valid
};
// Reads an extra date; a valid date is stored as ExtraTag and ExtraMonat.
DatumErgebnis DatumLesen(Optionen& opt, int jahr, LeseAbsender absender, const std::string& text);

// Fills column 1..4 of the hour-input table from a list "7/8.5/17/".
// False on a format error; the items before it are already in the table.
bool StundenlisteLesen(Gitter& g, int spalte, const std::string& text);
bool StundenlisteLesen(Sonnenuhr& uhr, int spalte, const std::string& text);
// The four lists of the hour-input table (columns 1..4).
std::vector<std::string> StundenlistenSchreiben(const Sonnenuhr& uhr);

// --- files ---

// A configuration is a few hundred bytes; nothing larger is read.
inline constexpr std::size_t KonfigGrenze = 64 * 1024;

struct DateiZeilen {
    std::optional<std::vector<std::string>> zeilen; // none when not read
    std::string grund;                              // why not, naming the file
};
// Reads at most KonfigGrenze bytes; an empty, larger or unreadable file is
// refused with its reason in the language `sprache`.
DateiZeilen KonfigDateiLesen(const std::string& pfad, int sprache);
// The lines of a file, or nullopt when it cannot be read whole.
std::optional<std::vector<std::string>> ZeilenLaden(const std::string& pfad);
// Writes through datei::SicherSchreiben: a failed save leaves the old file whole.
datei::Ergebnis ZeilenSpeichern(const std::string& pfad, const std::vector<std::string>& zeilen,
                                int sprache);

// The directory of the program file, ending in "/" unless empty.
std::string ProgVerz(const std::string& programmPfad);

// Whose language speaks while a file is loaded: the document's, or the
// file's language line (the command line without --lang, so that all
// messages of one run speak the language of the run).
enum class Sprachwahl { Behalten, AusDatei };

// The load command without its dialog: reads the file into the document and
// brings the derived values, panels and view up to date (no tables yet).
// False, with the document untouched, when the file cannot be read
// (message 7 and the reason) or a line is faulty.
bool KonfigurationLaden(Sonnenuhr& uhr, const std::string& pfad,
                        LeseAbsender absender = LeseAbsender::Datenladen1,
                        Sprachwahl sprachwahl = Sprachwahl::Behalten);
// What the load command decides on the document beyond the lines, before the
// controls are filled: the mode switch, derived values, panels, and the view
// back to the whole dial. Also for a dial put in place otherwise (New).
void NachLadenAbgleichen(Sonnenuhr& uhr);
// The load command's last step: the result tables of the loaded dial.
void NachLadenRechnen(Sonnenuhr& uhr);

enum class StartQuelle { SkioraIni, StartAdt, Keine };
struct StartErgebnis {
    StartQuelle quelle = StartQuelle::Keine;
    bool ok = true; // false when the file could not be read or stopped
};
// Start-up: skiora.ini in progVerz, else start.adt, else the built-in dial.
StartErgebnis StartKonfigurationLesen(Sonnenuhr& uhr, const std::string& progVerz,
                                      Sprachwahl sprachwahl = Sprachwahl::Behalten);

// Save under a chosen name; message 18 after the name, and the reason, on failure.
bool KonfigurationSpeichern(Sonnenuhr& uhr, const std::string& pfad);
// Save as the start configuration progVerz + "skiora.ini"; message 15 on success.
bool StartKonfigurationSpeichern(Sonnenuhr& uhr, const std::string& progVerz);

} // namespace skiora::config

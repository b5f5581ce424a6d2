#pragma once
// Configuration files: the whole dial as 26 lines of text, meaning by
// position. Lines in memory are UTF-8; files are in the Windows code page
// with CR LF line ends.
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace skiora {
class Sonnenuhr;
}

namespace skiora::config {

inline constexpr int KonfigZeilenAnzahl = 26;

// Who asked for a reading: an unreadable extra date falls back to "01/08"
// only when neither the date field nor the load command asked.
enum class LeseAbsender { Hauptfenster, Datenladen1, MaskEdit1 };

// The 26 lines of the current state.
std::vector<std::string> KonfigurationSchreiben(const Sonnenuhr& uhr);
// The same lines in the Windows code page, each ended by CR LF.
void KonfigurationSchreiben(const Sonnenuhr& uhr, std::ostream& aus);

enum class LeseStatus {
    Gelesen,  // every line applied
    Leer,     // no lines: "File  not found!"
    Gestoppt, // a faulty line ended the reading; earlier lines stay applied
};

struct LeseErgebnis {
    LeseStatus status = LeseStatus::Gelesen;
    int zeile = 0; // the faulty line (1-based) when stopped
};

// Applies the lines to the document. A value that the window's own input
// checks would refuse stops the reading like an unreadable line.
LeseErgebnis KonfigurationLesen(Sonnenuhr& uhr, LeseAbsender absender,
                                const std::vector<std::string>& zeilen);

struct DatumErgebnis {
    bool fehler = false;
    std::string text; // normalized "dd/mm", empty when not valid
    std::string name; // "dd. Mon", empty when not valid
};
// Reads an extra date; a valid date is stored as ExtraTag and ExtraMonat.
DatumErgebnis DatumLesen(Sonnenuhr& uhr, LeseAbsender absender, const std::string& text);

// Fills column 1..4 of the hour-input table from a list "7/8.5/17/".
// False on a format error; the items before it are already in the table.
bool StundenlisteLesen(Sonnenuhr& uhr, int spalte, const std::string& text);
// The four lists of the hour-input table (columns 1..4).
std::vector<std::string> StundenlistenSchreiben(const Sonnenuhr& uhr);

// --- files ---

// The lines of a file (CR LF or LF), converted from the Windows code page;
// nullopt when the file cannot be read.
std::optional<std::vector<std::string>> ZeilenLaden(const std::string& pfad);
// Writes through a temporary file renamed into place, so a failed save
// leaves the old file whole.
bool ZeilenSpeichern(const std::string& pfad, const std::vector<std::string>& zeilen);

// The directory of the program file, ending in "/" unless empty.
std::string ProgVerz(const std::string& programmPfad);

// The load command without its dialog: reads the file into the document and
// brings the derived values, panels and view up to date (no tables yet).
// Message 7 when the file cannot be read. True when every line was applied.
bool KonfigurationLaden(Sonnenuhr& uhr, const std::string& pfad,
                        LeseAbsender absender = LeseAbsender::Datenladen1);
// The load command's last step: the result tables of the loaded dial.
void NachLadenRechnen(Sonnenuhr& uhr);

enum class StartQuelle { SkioraIni, StartAdt, Keine };
struct StartErgebnis {
    StartQuelle quelle = StartQuelle::Keine;
    bool ok = true; // false when the file could not be read or stopped
};
// Start-up: skiora.ini in progVerz, else start.adt, else the built-in dial.
StartErgebnis StartKonfigurationLesen(Sonnenuhr& uhr, const std::string& progVerz);

// Save under a chosen name; message 18 after the name on failure.
bool KonfigurationSpeichern(Sonnenuhr& uhr, const std::string& pfad);
// Save as the start configuration progVerz + "skiora.ini"; message 15 on success.
bool StartKonfigurationSpeichern(Sonnenuhr& uhr, const std::string& progVerz);

} // namespace skiora::config

#pragma once
// The one way the program writes a file. Every output (configuration, table,
// plot, drawing, picture, PDF) is produced in memory first and handed here.
//
// - A regular file (or a name not yet taken) is written into a new temporary
//   file in the target's folder, created exclusively under an unpredictable
//   name, checked after its last byte (write, flush to disk, close) and only
//   then renamed over the target. A failure leaves the old file byte for byte
//   and removes the temporary; nothing else in the folder is touched. The new
//   file keeps the old one's mode (and owner, where the system allows).
// - A file the user may not write (write-protected) is not replaced.
// - A symbolic link is kept: the file it points to is written as above.
// - A device or a pipe that already exists is written directly (never
//   replaced by a regular file); a pipe nobody reads from is an error.
// - A folder is an error.
#include <string>
#include <string_view>

namespace skiora::datei {

struct Ergebnis {
    bool ok = true;
    int fehlerNr = 0; // errno of the failure, 0 on success
    // The failure in the language asked for: "<path>: <reason>".
    std::string meldung;
    explicit operator bool() const { return ok; }
};

// sprache: 1 German, 2 English (as lang::Sprachzustand::Sprache).
Ergebnis SicherSchreiben(const std::string& pfad, std::string_view inhalt, int sprache);

// The reason for an errno in the program's words.
std::string FehlerGrund(int fehlerNr, int sprache);
// The message of a failed write: "<path>" and `grund` in the language asked
// for; for outputs that fail before their bytes exist (a picture, a PDF).
std::string SchreibFehlerText(const std::string& pfad, const std::string& grund, int sprache);

// Reads at most `grenze` bytes of a file. `zuGross` is set when the file
// holds more; nothing beyond the bound is read into memory. Errors as above.
struct Gelesen {
    Ergebnis ergebnis;
    std::string inhalt;
    bool zuGross = false;
};
Gelesen BegrenztLesen(const std::string& pfad, std::size_t grenze, int sprache);

} // namespace skiora::datei

#include "Schritte.h"

#include "config/Konfiguration.h"
#include "core/Sonnenuhr.h"
#include "core/Verzeichnisse.h"

namespace skiora::cli {

bool SchrittKonfigLaden(Sonnenuhr& uhr, const Befehlszeile& bz, const std::string& programmPfad) {
    // One language for every message of the run: --lang, else the language
    // line of the file read, else German.
    uhr.sprache.Waehle(bz.sprache ? *bz.sprache == "de" : true);
    const auto sprachwahl =
        bz.sprache ? config::Sprachwahl::Behalten : config::Sprachwahl::AusDatei;
    bool ok = true;
    if (bz.konfig) {
        // The window's load command; its tables follow in SchrittRechnen.
        ok = config::KonfigurationLaden(uhr, *bz.konfig, config::LeseAbsender::Datenladen1,
                                        sprachwahl);
    } else {
        // The same start configuration as the window's: beside the program,
        // or in the user's folder when installed.
        const std::string verz = verz::StartKonfigVerz(config::ProgVerz(programmPfad));
        ok = config::StartKonfigurationLesen(uhr, verz, sprachwahl).ok;
    }
    // As at start-up: the language line decides unless --lang did.
    uhr.sprache.Waehle(bz.sprache ? *bz.sprache == "de" : uhr.sprache.SpracheDeutsch);
    return ok;
}

void SchrittRechnen(Sonnenuhr& uhr, const Befehlszeile& bz) {
    if (bz.distanzen) uhr.opt.KoordXY = false; // rgKoordAusg item 1
    uhr.Modusumschaltung();
    uhr.opt.Bereit = true;
    // A file named on the command line is loaded as the window's load command
    // loads it; without one, the first calculation of the window's start.
    if (bz.konfig)
        config::NachLadenRechnen(uhr);
    else
        uhr.btGoClick();
}

bool SchrittKonfigSpeichern(Sonnenuhr& uhr, const Befehlszeile& bz) {
    if (!bz.saveConfig) return true;
    return config::KonfigurationSpeichern(uhr, *bz.saveConfig);
}

} // namespace skiora::cli

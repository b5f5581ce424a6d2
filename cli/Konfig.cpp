#include "Schritte.h"

#include "config/Konfiguration.h"
#include "core/Sonnenuhr.h"
#include "core/Verzeichnisse.h"

namespace skiora::cli {

bool SchrittKonfigLaden(Sonnenuhr& uhr, const Befehlszeile& bz, const std::string& programmPfad) {
    // A chosen language speaks from the first message on.
    if (bz.sprache) uhr.sprache.Waehle(*bz.sprache == "de");
    bool ok = true;
    if (bz.konfig) {
        ok = config::KonfigurationLaden(uhr, *bz.konfig, config::LeseAbsender::Datenladen1);
    } else {
        // The same start configuration as the window's: beside the program,
        // or in the user's folder when installed.
        ok = config::StartKonfigurationLesen(uhr,
                                             verz::StartKonfigVerz(config::ProgVerz(programmPfad)))
                 .ok;
        uhr.Modusumschaltung();
    }
    // As at start-up: the language line decides unless --lang did.
    uhr.sprache.Waehle(bz.sprache ? *bz.sprache == "de" : uhr.sprache.SpracheDeutsch);
    return ok;
}

bool SchrittKonfigSpeichern(Sonnenuhr& uhr, const Befehlszeile& bz) {
    if (!bz.saveConfig) return true;
    return config::KonfigurationSpeichern(uhr, *bz.saveConfig);
}

} // namespace skiora::cli

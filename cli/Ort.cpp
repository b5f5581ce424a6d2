// --place, --tz and --summer-time: the site by name and its clock, applied
// after the configuration.
#include "Schritte.h"

#include "core/Sonnenuhr.h"
#include "lang/OrtTexte.h"

#ifdef HAVE_SKIORA_SITE
#include "site/Ortsverzeichnis.h"
#include "site/Standort.h"
#endif

namespace skiora::cli {

void SchrittOrtAnschliessen([[maybe_unused]] Sonnenuhr& uhr) {
#ifdef HAVE_SKIORA_SITE
    site::Anschliessen(uhr);
#endif
}

int SchrittOrt(Sonnenuhr& uhr, const Befehlszeile& bz) {
    if (!bz.ort && !bz.zeitzone && !bz.sommerzeit) return 0;
    auto fehler = [&](const std::string& text) {
        uhr.Melde(text, lang::Titel::Fehler, Symbol::Fehler);
    };
#ifndef HAVE_SKIORA_SITE
    fehler("--place, --tz, --summer-time: not in this build (no site layer)");
    return 2;
#else
    const int s = uhr.sprache.Sprache;
    if (bz.ort) {
        if (site::Falten(*bz.ort).empty()) {
            fehler(lang::Text(s, lang::OrtLeer));
            return 2;
        }
        const auto& verzeichnis = site::Ortsverzeichnis::Datenbank();
        const auto gefunden = verzeichnis.Suchen(*bz.ort, 1);
        if (gefunden.orte.empty()) {
            std::string text = lang::Einsetzen(lang::Text(s, lang::OrtNichtGefunden), {*bz.ort});
            std::string namen;
            for (const site::Ort* o : verzeichnis.Aehnliche(*bz.ort, 5))
                namen += (namen.empty() ? "" : "; ") + o->Bezeichnung(s);
            if (!namen.empty()) text += lang::Einsetzen(lang::Text(s, lang::OrtAehnliche), {namen});
            fehler(text);
            return 2;
        }
        site::OrtUebernehmen(uhr, *gefunden.orte.front(), s);
    }
    if (bz.zeitzone) {
        if (!site::ZeitzoneSetzen(uhr, *bz.zeitzone)) {
            fehler(lang::Einsetzen(lang::Text(s, lang::ZoneUnbekannt), {*bz.zeitzone}));
            return 2;
        }
        // A zone alone belongs to a site typed by hand, which has no name.
        if (!bz.ort) uhr.ort.Name.clear();
    }
    if (bz.sommerzeit) {
        uhr.ort.Sommerzeit = true;
        if (uhr.ort.Zeitzone.empty()) {
            fehler(lang::Text(s, lang::SommerzeitOhneZone));
            return 2;
        }
        if (!uhr.ort.HatSommerzeit) {
            fehler(lang::Einsetzen(lang::Text(s, lang::OhneSommerzeit),
                                   {uhr.ort.Zeitzone, std::to_string(uhr.p.Jahr)}));
            return 1;
        }
    }
    return 0;
#endif
}

} // namespace skiora::cli

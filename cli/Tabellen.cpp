#include "Schritte.h"
#include "core/Sonnenuhr.h"
#include "report/Csv.h"

#include <map>

namespace skiora::cli {

bool SchrittTabellen(Sonnenuhr& uhr, const Befehlszeile& bz) {
    using report::Seite;
    static const std::map<std::string, Seite> seiten = {
        {"hours", Seite::Stunden},     {"shadow", Seite::Schatten},      {"dates", Seite::Datum},
        {"morning", Seite::Vormittag}, {"afternoon", Seite::Nachmittag}, {"summary", Seite::Mittel},
        {"input", Seite::Eingabe}};
    bool ok = true;
    for (const auto& [name, datei] : bz.tabellen) {
        auto it = seiten.find(name);
        std::string fehler;
        if (it == seiten.end()) {
            fehler = "unknown table: " + name;
        } else if (report::TabelleSpeichern(uhr, it->second, datei, fehler)) {
            continue;
        }
        uhr.Melde(fehler, lang::Titel::Fehler, Symbol::Fehler);
        ok = false;
    }
    return ok;
}

} // namespace skiora::cli

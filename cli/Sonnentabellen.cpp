// --noon-table FILE, --reach-table FILE, --heights H1,H2,...
#include "Schritte.h"

#include "core/Reichweite.h"
#include "core/Sonnenuhr.h"
#include "report/Sonnentabellen.h"

#include <algorithm>

namespace skiora::cli {

bool SonnenOption(const std::vector<std::string>& args, std::size_t& i, Befehlszeile& bz,
                  std::string& fehler) {
    const std::string& a = args[i];
    if (a != "--noon-table" && a != "--reach-table" && a != "--heights") return false;
    if (i + 1 >= args.size() || args[i + 1].empty()) {
        fehler = a + (a == "--heights" ? " takes H1,H2,..." : " takes FILE");
        return true;
    }
    const std::string& wert = args[++i];
    if (a == "--noon-table") {
        bz.noonTable = wert;
    } else if (a == "--reach-table") {
        bz.reachTable = wert;
    } else {
        // Commas separate the heights here; each is read as the window reads a field.
        std::vector<std::string> felder;
        std::size_t start = 0;
        for (std::size_t komma; (komma = wert.find(',', start)) != std::string::npos;
             start = komma + 1)
            felder.push_back(wert.substr(start, komma - start));
        felder.push_back(wert.substr(start));
        const bool leeresFeld = std::any_of(felder.begin(), felder.end(), [](const std::string& f) {
            return f.find_first_not_of(' ') == std::string::npos;
        });
        const auto hoehen = leeresFeld ? std::nullopt : LeserhoehenLesen(felder);
        if (!hoehen) {
            fehler = "--heights takes 1 to 4 heights of 0.5..2.5 m, such as 1.2,1.8";
            return true;
        }
        bz.hoehen = *hoehen;
    }
    return true;
}

void SchrittLeser(Sonnenuhr& uhr, const Befehlszeile& bz) {
    if (bz.hoehen) uhr.reichweite.Hoehen = *bz.hoehen;
}

bool SchrittSonnentabellen(Sonnenuhr& uhr, const Befehlszeile& bz) {
    bool ok = true;
    auto schreibe = [&](const std::optional<std::string>& pfad, auto speichern) {
        if (!pfad) return;
        std::string fehler;
        if (speichern(uhr, *pfad, fehler)) return;
        uhr.Melde(fehler, lang::Titel::Fehler, Symbol::Fehler);
        ok = false;
    };
    schreibe(bz.noonTable, report::MittagTabelleSpeichern);
    schreibe(bz.reachTable, report::ReichweiteTabelleSpeichern);
    return ok;
}

} // namespace skiora::cli

#include "Konfiguration.h"

#include "core/Sonnenuhr.h"
#include "core/Zahlen.h"

#include <ostream>

namespace skiora::config {

namespace {

constexpr int EinZeilen = 30; // data rows of the hour-input table

bool NurLeer(const std::string& s) {
    return s.find_first_not_of(" /") == std::string::npos;
}

} // namespace

std::vector<std::string> StundenlistenSchreiben(const Sonnenuhr& uhr) {
    const Gitter& g = uhr.tab.StrGridEin;
    std::vector<std::string> listen(4);
    for (int erste : {1, 3}) {
        // Rows while the hour cell is filled; the second column follows them,
        // empty cells included.
        for (int zeile = 1; zeile <= EinZeilen && !g.Zelle(erste, zeile).empty(); ++zeile) {
            listen[erste - 1] += g.Zelle(erste, zeile) + "/";
            listen[erste] += g.Zelle(erste + 1, zeile) + "/";
        }
    }
    return listen;
}

std::vector<std::string> KonfigurationSchreiben(const Sonnenuhr& uhr) {
    const DialParams& p = uhr.p;
    const Optionen& o = uhr.opt;
    std::vector<std::string> z;
    z.reserve(KonfigZeilenAnzahl);
    z.push_back(std::to_string(p.Jahr));
    for (double v : {p.Breit, p.Lang, p.Zone, p.Incl, p.GnomWinkel, p.Hoehe, p.Halb, p.RiseSet})
        z.push_back(FestText(v));
    for (int v : {p.Anzahl, p.Lph, p.Arten, p.Zonenzeit})
        z.push_back(std::to_string(v));
    for (int v : {o.StdVon, o.StdBis, o.FehlVon, o.FehlBis})
        z.push_back(std::to_string(v));
    z.push_back(std::to_string(p.Mittelwert));
    // A refused date leaves the field blank while the last valid date stays
    // in force; write that date so the file keeps it.
    z.push_back(NurLeer(o.ExtraDatumText)
                    ? ZweiStellen(o.ExtraTag) + "/" + ZweiStellen(o.ExtraMonat)
                    : o.ExtraDatumText);
    z.push_back(o.DefaultWerte ? "0" : "1");
    z.push_back(uhr.sprache.SpracheDeutsch ? "Deutsch" : "English");
    z.push_back(std::string(1, uhr.anz.ChBRiseSetHaken ? 'j' : 'n') + (o.Genau ? 'j' : 'n'));
    for (auto& liste : StundenlistenSchreiben(uhr))
        z.push_back(liste);
    for (auto& zeile : OrtZeilenSchreiben(uhr.ort))
        z.push_back(zeile);
    return z;
}

std::string DateiText(const std::vector<std::string>& zeilen) {
    std::string text;
    for (const auto& z : zeilen)
        text += lang::NachAnsi(z) + "\r\n";
    return text;
}

std::string KonfigurationText(const Sonnenuhr& uhr) {
    return DateiText(KonfigurationSchreiben(uhr));
}

void KonfigurationSchreiben(const Sonnenuhr& uhr, std::ostream& aus) {
    aus << KonfigurationText(uhr);
}

} // namespace skiora::config

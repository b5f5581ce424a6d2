#include "Fertigung.h"

#include "core/Datei.h"
#include "core/Sonnenuhr.h"
#include "lang/FertigungTexte.h"

namespace skiora::export_ {

double ProMeter(Einheit e) {
    return e == Einheit::Zoll ? 1000.0 / 25.4 : 1000.0;
}

modell::Vorgaben StandardVorgaben(Einheit e) {
    const double groesse = e == Einheit::Zoll ? 0.75 * 0.0254 : 0.020;
    return {groesse, groesse};
}

Groessen GroessenBereich(Einheit e) {
    return e == Einheit::Zoll ? Groessen{0.005, 40} : Groessen{0.1, 1000};
}

bool FertigungSpeichern(Sonnenuhr& uhr, const std::string& pfad, Format f, Einheit e,
                        const modell::Vorgaben& v) {
    const int sprache = uhr.sprache.Sprache;
    const modell::Modell m = modell::DialModell(uhr, v);
    if (m.verweigert) {
        uhr.Melde(lang::Text(sprache, lang::fertigung::Verweigert) + pfad, lang::Titel::Problem,
                  Symbol::Warnung);
        return false;
    }
    const std::string inhalt = f == Format::Svg ? FertigungSvg(m, e) : FertigungDxf(m, e);
    const datei::Ergebnis r = datei::SicherSchreiben(pfad, inhalt, sprache);
    if (!r) uhr.Melde(r.meldung, lang::Titel::Fehler, Symbol::Fehler);
    return r.ok;
}

} // namespace skiora::export_

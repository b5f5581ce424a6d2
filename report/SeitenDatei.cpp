#include "SeitenDatei.h"

#include "core/Datei.h"
#include "core/Sonnenuhr.h"
#include "lang/AbsteckTexte.h"
#include "lang/KachelTexte.h"

namespace skiora::report {

namespace {

std::string MitOrt(const Sonnenuhr& uhr, std::string titel) {
    if (!uhr.ort.Name.empty()) titel += " – " + uhr.ort.Name;
    return titel;
}

} // namespace

bool SeitenSchreiben(Sonnenuhr& uhr, const draw::Seitensatz& satz, const std::string& titel,
                     const std::string& pfad, const PdfMacher& pdf) {
    const int sprache = uhr.sprache.Sprache;
    if (satz.seiten < 1) {
        uhr.Melde(lang::Text(sprache, lang::kacheln::NichtsZuDrucken), lang::Titel::Fehler,
                  Symbol::Fehler);
        return false;
    }
    const std::optional<std::string> bytes = pdf ? pdf(satz, titel) : std::nullopt;
    if (!bytes) {
        uhr.Melde(lang::Meldung(sprache, 42) + " " + pfad, lang::Titel::Fehler, Symbol::Fehler);
        return false;
    }
    const datei::Ergebnis e = datei::SicherSchreiben(pfad, *bytes, sprache);
    if (!e) uhr.Melde(e.meldung, lang::Titel::Fehler, Symbol::Fehler);
    return e.ok;
}

std::string AbsteckTitel(const Sonnenuhr& uhr) {
    return MitOrt(uhr, lang::Text(uhr.sprache.Sprache, lang::abstecken::Titel));
}

std::string KachelTitel(const Sonnenuhr& uhr, bool nurDatum) {
    return MitOrt(uhr, lang::Text(uhr.sprache.Sprache,
                                  nurDatum ? lang::kacheln::TitelDatum : lang::kacheln::Titel));
}

modell::Modell KachelModell(const Sonnenuhr& uhr, bool nurDatum) {
    return nurDatum ? modell::DatumsModell(uhr) : modell::DialModell(uhr);
}

void ZuVieleSeitenMelden(Sonnenuhr& uhr) {
    uhr.Melde(lang::Einsetzen(lang::Text(uhr.sprache.Sprache, lang::kacheln::ZuVieleSeiten),
                              {std::to_string(draw::HoechsteSeitenzahl)}),
              lang::Titel::Fehler, Symbol::Fehler);
}

} // namespace skiora::report

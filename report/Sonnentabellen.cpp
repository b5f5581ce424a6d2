#include "report/Sonnentabellen.h"

#include "core/Datei.h"
#include "core/Mittag.h"
#include "core/Reichweite.h"
#include "core/Sonnenuhr.h"
#include "core/Zahlen.h"
#include "lang/MittagTexte.h"
#include "lang/ReichweiteTexte.h"
#include "report/Csv.h"

#include <sstream>

namespace skiora::report {

namespace {

bool Speichern(const Sonnenuhr& uhr, const std::string& titel, const Gitter& g,
               const std::string& pfad, std::string& fehler) {
    // The dial's header lines as every table file has them, under our title.
    auto kopf = KopfBauen(uhr, Seite::Stunden, &fehler);
    if (!kopf) return false;
    kopf->titel = titel;
    std::ostringstream aus;
    CsvSchreiben(*kopf, g, aus);
    const datei::Ergebnis e = datei::SicherSchreiben(pfad, aus.str(), uhr.sprache.Sprache);
    if (!e) fehler = e.meldung;
    return e.ok;
}

} // namespace

bool MittagTabelleSpeichern(const Sonnenuhr& uhr, const std::string& pfad, std::string& fehler) {
    const int s = uhr.sprache.Sprache;
    std::string titel = lang::Text(s, lang::MittagTitel) + " " + std::to_string(uhr.p.Jahr);
    if (!uhr.ort.Name.empty()) titel += ", " + uhr.ort.Name;
    if (!uhr.ort.Zeitzone.empty()) titel += " (" + uhr.ort.Zeitzone + ")";
    return Speichern(uhr, titel, MittagsTabelle(uhr), pfad, fehler);
}

bool ReichweiteTabelleSpeichern(const Sonnenuhr& uhr, const std::string& pfad,
                                std::string& fehler) {
    const int s = uhr.sprache.Sprache;
    std::string hoehen;
    for (double h : uhr.reichweite.Hoehen)
        hoehen += (hoehen.empty() ? "" : ", ") + ZahlText(2, 2, h) + " m";
    const std::string titel = lang::Text(s, lang::ReichweiteTitel) + " (" + hoehen + ")";
    return Speichern(uhr, titel, ReichweiteGitter(uhr.reichweite, s), pfad, fehler);
}

} // namespace skiora::report

#include "Mittag.h"

#include "Sonne.h"
#include "Sonnenuhr.h"
#include "Zahlen.h"
#include "lang/MittagTexte.h"

#include <cmath>
#include <cstdio>

namespace skiora {

WahrerMittagErgebnis WahrerMittag(int jahr, int N, double lang, double zone) {
    // Mean noon of the meridian in zone time, then corrected by the equation
    // of time at the instant itself. The equation changes by at most half a
    // minute a day, so two rounds settle it well below a millisecond.
    const double mittlererMittag = 12 + (lang - zone) / 15;
    WahrerMittagErgebnis r;
    r.zonenzeit = mittlererMittag;
    for (int runde = 0; runde < 3; ++runde) {
        const double ut = r.zonenzeit + zone / 15;
        const SonnenOrt s = SonnenDaten(jahr, N + (ut - 12) / 24);
        r.eot = s.eot;
        r.dekl = s.dekl;
        r.zonenzeit = mittlererMittag - s.eot / 15;
    }
    return r;
}

bool GiltSommerzeit(const Ortsangaben& ort, int jahr, int monat, int tag) {
    if (!ort.HatSommerzeit) return false;
    if (!DatumGueltig(ort.SzBeginnTag, ort.SzBeginnMonat, jahr) ||
        !DatumGueltig(ort.SzEndeTag, ort.SzEndeMonat, jahr))
        return false;
    const int beginn = TagNr(jahr, ort.SzBeginnMonat, ort.SzBeginnTag);
    const int ende = TagNr(jahr, ort.SzEndeMonat, ort.SzEndeTag);
    const int n = TagNr(jahr, monat, tag);
    // South of the equator summer time spans the turn of the year.
    return beginn <= ende ? (n >= beginn && n < ende) : (n >= beginn || n < ende);
}

std::vector<MittagsZeile> MittagsJahr(int jahr, double lang, double zone, const Ortsangaben& ort) {
    std::vector<MittagsZeile> zeilen;
    zeilen.reserve(366);
    for (int monat = 1; monat <= 12; ++monat) {
        for (int tag = 1; DatumGueltig(tag, monat, jahr); ++tag) {
            MittagsZeile z;
            z.monat = monat;
            z.tag = tag;
            z.mittag = WahrerMittag(jahr, TagNr(jahr, monat, tag), lang, zone);
            z.sommerzeit = GiltSommerzeit(ort, jahr, monat, tag);
            if (z.sommerzeit) z.sommerzeitUhr = z.mittag.zonenzeit + ort.SzVersatz;
            zeilen.push_back(z);
        }
    }
    return zeilen;
}

std::string UhrzeitText(double stunden) {
    if (!std::isfinite(stunden) || std::fabs(stunden) > 1e6) return "--:--:--";
    long long sekunden = std::llround(stunden * 3600);
    // Whole days towards minus infinity, so that -0:01 is 23:59 of the day before.
    const long long tage = (sekunden >= 0 ? sekunden : sekunden - 86399) / 86400;
    sekunden -= tage * 86400;
    char puffer[40];
    std::snprintf(puffer, sizeof puffer, "%02lld:%02lld:%02lld", sekunden / 3600,
                  sekunden / 60 % 60, sekunden % 60);
    std::string text = puffer;
    if (tage != 0) text += (tage > 0 ? " +" : " ") + std::to_string(tage) + "d";
    return text;
}

Gitter MittagsGitter(const std::vector<MittagsZeile>& jahr, bool mitSommerzeit, int sprache) {
    Gitter g(mitSommerzeit ? 4 : 3, static_cast<int>(jahr.size()) + 1);
    g.Setze(0, 0, lang::Text(sprache, lang::MittagKopfDatum));
    g.Setze(1, 0, lang::Text(sprache, lang::MittagKopfZeitgleichung));
    g.Setze(2, 0, lang::Text(sprache, lang::MittagKopfZonenzeit));
    if (mitSommerzeit) g.Setze(3, 0, lang::Text(sprache, lang::MittagKopfSommerzeit));
    int r = 1;
    for (const MittagsZeile& z : jahr) {
        char datum[8];
        std::snprintf(datum, sizeof datum, "%02d.", z.tag);
        g.Setze(0, r, std::string(datum) + lang::MonatsNamen[z.monat]);
        g.Setze(1, r, MinSekText(z.mittag.eot));
        g.Setze(2, r, UhrzeitText(z.mittag.zonenzeit));
        if (mitSommerzeit && z.sommerzeit) g.Setze(3, r, UhrzeitText(z.sommerzeitUhr));
        ++r;
    }
    return g;
}

Gitter MittagsTabelle(const Sonnenuhr& uhr) {
    const bool sommer = uhr.ort.HatSommerzeit;
    return MittagsGitter(MittagsJahr(uhr.p.Jahr, uhr.p.Lang, uhr.p.Zone, uhr.ort), sommer,
                         uhr.sprache.Sprache);
}

std::string SommerzeitText(const Ortsangaben& ort, int sprache) {
    if (!ort.HatSommerzeit) return lang::Text(sprache, lang::MittagOhneSommerzeit);
    auto datum = [](int tag, int monat) {
        char puffer[16];
        std::snprintf(puffer, sizeof puffer, "%02d.%02d.", tag, monat);
        return std::string(puffer);
    };
    std::string text = lang::Text(sprache, lang::MittagMitSommerzeit);
    auto ersetze = [&text](const std::string& marke, const std::string& wert) {
        const auto stelle = text.find(marke);
        if (stelle != std::string::npos) text.replace(stelle, marke.size(), wert);
    };
    ersetze("%1", datum(ort.SzBeginnTag, ort.SzBeginnMonat));
    ersetze("%2", datum(ort.SzEndeTag, ort.SzEndeMonat));
    std::string versatz = ZahlText(1, 1, ort.SzVersatz);
    if (versatz.size() > 2 && versatz.compare(versatz.size() - 2, 2, ".0") == 0)
        versatz.resize(versatz.size() - 2);
    ersetze("%3", versatz);
    return text;
}

} // namespace skiora

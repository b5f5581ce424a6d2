#include "Ortsanzeige.h"

#include "Sonne.h"
#include "Sonnenuhr.h"
#include "Zahlen.h"
#include "lang/OrtTexte.h"

#include <algorithm>
#include <cmath>

namespace skiora {

namespace {

std::string ZweiDezimalen(double wert) {
    const std::string t = ZahlText(12, 2, wert);
    return t.substr(std::min(t.find_first_not_of(' '), t.size()));
}

std::string Grad(double wert) {
    return ZweiDezimalen(wert) + "\xC2\xB0"; // "°"
}

// "31. Mar": the day as the program writes the extra date.
std::string TagName(int tag, int monat) {
    return ZweiStellen(tag) + ". " + lang::MonatsNamen[static_cast<std::size_t>(monat)];
}

// Hours as "1" or "0:30".
std::string StundenMinuten(long long minuten) {
    const long long h = minuten / 60, m = minuten % 60;
    return m == 0 ? std::to_string(h) : std::to_string(h) + ":" + ZweiStellen(m);
}

struct Tag {
    int tag, monat;
};

// The day before tag/monat; the day before 1 January is 31 December.
Tag Vortag(int tag, int monat, int jahr) {
    if (tag > 1) return {tag - 1, monat};
    if (monat == 1) return {31, 12};
    for (int t = 31; t >= 28; --t)
        if (DatumGueltig(t, monat - 1, jahr)) return {t, monat - 1};
    return {28, monat - 1};
}

} // namespace

std::string LaengeLesbar(double lang, int sprache) {
    const std::string zahl = Grad(std::abs(lang));
    if (ZweiDezimalen(std::abs(lang)) == "0.00") return "= " + zahl;
    return "= " + zahl + " " + lang::Text(sprache, lang < 0 ? lang::Ost : lang::West);
}

std::string ZoneLesbar(double zone) {
    if (!std::isfinite(zone)) return "";
    // 15 degrees of meridian are one hour; west of Greenwich the clock is behind.
    const double sekunden = -zone * 240;
    const long long s = std::llround(std::abs(sekunden));
    if (s == 0) return "= UTC";
    std::string t = "= UTC" + std::string(sekunden < 0 ? "-" : "+");
    const long long minuten = s / 60;
    t += StundenMinuten(minuten);
    if (s % 60 != 0) t += (minuten % 60 == 0 ? ":00:" : ":") + ZweiStellen(s % 60);
    return t;
}

std::string LageLesbar(double breite, double laengeOst, int sprache) {
    using namespace lang;
    return Grad(std::abs(breite)) + " " + Text(sprache, breite < 0 ? Sued : Nord) + ", " +
           Grad(std::abs(laengeOst)) + " " + Text(sprache, laengeOst < 0 ? West : Ost);
}

bool SommerzeitGezeigt(const Sonnenuhr& uhr) {
    return uhr.ort.Sommerzeit && uhr.ort.HatSommerzeit;
}

std::string SommerzeitZahl(double stunde, double versatz) {
    double t = std::fmod(stunde + versatz, 24.0);
    if (!std::isfinite(t)) return "";
    if (t < 0) t += 24;
    return StundenMinuten(std::llround(t * 60) % (24 * 60));
}

std::string SommerzeitUhrzeit(double zeit, double versatz) {
    double t = std::fmod(zeit + versatz, 24.0);
    if (t < 0) t += 24;
    return MinSekText(t / 4);
}

std::string SommerzeitLegende(const Sonnenuhr& uhr) {
    if (!SommerzeitGezeigt(uhr)) return "";
    const Ortsangaben& o = uhr.ort;
    const int jahr = uhr.p.Jahr;
    if (!DatumGueltig(o.SzBeginnTag, o.SzBeginnMonat, jahr) ||
        !DatumGueltig(o.SzEndeTag, o.SzEndeMonat, jahr))
        return "";
    const int s = uhr.sprache.Sprache;
    const std::string versatz = StundenMinuten(std::llround(std::abs(o.SzVersatz) * 60));
    const int beginn = TagNr(jahr, o.SzBeginnMonat, o.SzBeginnTag);
    const int ende = TagNr(jahr, o.SzEndeMonat, o.SzEndeTag);
    // The end is the first day back on standard time; the legend names the last
    // day on summer time.
    const Tag letzter = Vortag(o.SzEndeTag, o.SzEndeMonat, jahr);
    const std::string von = TagName(o.SzBeginnTag, o.SzBeginnMonat);
    if (beginn < ende || ende == 1)
        return lang::Einsetzen(
            lang::Text(s, lang::SommerzeitLegendeVonBis),
            {versatz, von, TagName(letzter.tag, letzter.monat), std::to_string(jahr)});
    return lang::Einsetzen(
        lang::Text(s, lang::SommerzeitLegendeUmJahr),
        {versatz, TagName(letzter.tag, letzter.monat), von, std::to_string(jahr)});
}

} // namespace skiora

#include "Abstecken.h"

#include "core/Sonnenuhr.h"
#include "core/Zahlen.h"

#include <algorithm>
#include <cmath>

namespace skiora::report {

namespace {

constexpr double MeterJeFuss = 0.3048;

Bezugspunkte BezugBerechnen(double a, double b) {
    Bezugspunkte r;
    r.a = a;
    r.b = b;
    r.N = {0, b};
    const double lang = std::max(a, std::fabs(b));
    const double kurz = std::min(a, std::fabs(b));
    r.c = std::sqrt(std::max(0.0, lang * lang - kurz * kurz));
    r.brennpunkteNordSued = std::fabs(b) > a;
    if (r.brennpunkteNordSued) {
        r.F1 = {0, -r.c};
        r.F2 = {0, r.c};
    } else {
        r.F1 = {-r.c, 0};
        r.F2 = {r.c, 0};
    }
    r.schlaufe = 2 * lang + 2 * r.c;
    return r;
}

Dreieck DreieckFuer(double a, double b, Einheit einheit) {
    const double einheitM = einheit == Einheit::FussZoll ? MeterJeFuss : 1.0;
    const double grenze = std::min(std::fabs(b) / 3, a / 4) / einheitM;
    Dreieck d;
    d.k = RundeLaenge(grenze) * einheitM;
    d.nordSued = 3 * d.k;
    d.ostWest = 4 * d.k;
    d.diagonale = 5 * d.k;
    return d;
}

std::string Uhrzeit(double stunden) {
    std::string t = MinSekText(stunden / 4);
    return t.substr(t.find_first_not_of(' '));
}

Stundenmarke MarkeAus(const PunktZeit& p, double b, bool volle) {
    Stundenmarke m;
    m.name = Uhrzeit(p.zeit);
    m.volleStunde = volle;
    m.x = p.x;
    m.y = p.y;
    m.abC = std::hypot(p.x, p.y);
    m.abN = std::hypot(p.x, p.y - b);
    m.seite = p.x < -5e-4 ? Seite::West : (p.x > 5e-4 ? Seite::Ost : Seite::AufDerLinie);
    // The angle between the two tapes at the point.
    const double kreuz = std::fabs(p.x * (p.y - b) - p.y * p.x);
    if (m.abC > 1e-9 && m.abN > 1e-9) m.flach = kreuz / (m.abC * m.abN) < 0.5;
    return m;
}

// `geteilt`: the usable flags count (only the split optimisation sets them).
std::vector<Datumsmarke> Marken(const DatumsFeld& feld, int anzahl, bool geteilt) {
    std::vector<Datumsmarke> liste;
    for (int k = 1; k <= anzahl && k < static_cast<int>(feld.size()); ++k) {
        const tSkioraPoint& e = feld[static_cast<std::size_t>(k)];
        if (e.name.empty()) continue;
        std::string name = e.name;
        while (!name.empty() && name.back() == ' ')
            name.pop_back();
        liste.push_back({name, e.x, e.y, !geteilt || e.usable});
    }
    return liste;
}

} // namespace

double RundeLaenge(double grenze) {
    if (!(grenze > 0) || !std::isfinite(grenze)) return 0;
    const double zehner = std::pow(10.0, std::floor(std::log10(grenze)));
    for (double f : {5.0, 2.5, 2.0, 1.0})
        if (f * zehner <= grenze * (1 + 1e-12)) return f * zehner;
    return zehner;
}

Ort2 Schnittpunkt(double abC, double abN, double b, Seite seite) {
    if (std::fabs(b) < 1e-12) return {};
    const double y = (abC * abC - abN * abN + b * b) / (2 * b);
    const double x = std::sqrt(std::max(0.0, abC * abC - y * y));
    return {seite == Seite::West ? -x : (seite == Seite::Ost ? x : 0.0), y};
}

Absteckmasse AbsteckmasseBerechnen(const Sonnenuhr& uhr, Einheit einheit) {
    Absteckmasse m;
    const double a = uhr.p.Halb, b = uhr.Klein;
    m.bezug = BezugBerechnen(a, b);
    m.dreieck = DreieckFuer(a, b, einheit);

    const std::vector<MittagsZeile> jahr = MittagsJahr(uhr.p.Jahr, uhr.p.Lang, uhr.p.Zone, uhr.ort);
    for (size_t i = 0; i < jahr.size(); i += 7)
        m.mittag.push_back(jahr[i]);

    const int lph = std::clamp<int>(uhr.p.Lph, 1, 6);
    const int n = (uhr.opt.StdBis - uhr.opt.StdVon) * lph + 1;
    for (int k = 1; k <= n && k < static_cast<int>(uhr.erg.StundenPunkte.size()); ++k)
        m.stunden.push_back(MarkeAus(uhr.erg.StundenPunkte[static_cast<std::size_t>(k)], b,
                                     lph == 1 || k % lph == 1));

    const int anzahl = uhr.p.Anzahl;
    if (uhr.p.Arten == 2) {
        m.geteilt = m.analemma = true;
        const bool erste = uhr.p.Mittelwert <= 1;
        const DatumsFeld& vor = erste ? uhr.erg.SplitVor1 : uhr.erg.SplitVor2;
        const DatumsFeld& nach = erste ? uhr.erg.SplitNach1 : uhr.erg.SplitNach2;
        m.datum = Marken(vor, 12 * anzahl, true);
        m.nachmittag = Marken(nach, 12 * anzahl, true);
    } else {
        m.analemma = uhr.p.Arten == 1;
        // As many marks as the picture shows.
        const int zusatz = uhr.p.Arten == 0 ? 2 : 1;
        const int zahl = std::min(73, 12 * anzahl + (anzahl <= 2 ? zusatz : 0));
        m.datum = Marken(uhr.erg.DatumsPunkte, zahl, false);
        if (!m.analemma)
            for (Datumsmarke& d : m.datum)
                d.x = 0;
    }
    return m;
}

} // namespace skiora::report

#include "Reichweite.h"

#include "Sonne.h"
#include "Sonnenuhr.h"
#include "Zahlen.h"
#include "lang/ReichweiteTexte.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace skiora {

namespace {

// Where a reader stands: a date mark, for the whole day or (split dial) for
// the morning or the afternoon half only.
enum class Haelfte { Ganz, Vormittag, Nachmittag };
struct Standort {
    std::string datum;
    int N = 1;
    double x = 0, y = 0;
    Haelfte haelfte = Haelfte::Ganz;
};

// "21.Jun " -> day and month; false for a label that is none.
bool DatumAusName(const std::string& name, int& tag, int& monat) {
    if (name.size() < 6 || name[2] != '.') return false;
    auto t = LiesGanzzahl(name.substr(0, 2));
    if (!t) return false;
    for (int m = 1; m <= 12; ++m) {
        if (name.compare(3, 3, lang::MonatsNamen[m]) == 0) {
            tag = static_cast<int>(*t);
            monat = m;
            return true;
        }
    }
    return false;
}

void StandorteAus(const Sonnenuhr& uhr, const DatumsFeld& feld, Haelfte haelfte, bool aufAchse,
                  bool nurBrauchbare, std::vector<Standort>& aus) {
    for (std::size_t r = 1; r < feld.size() && !feld[r].name.empty(); ++r) {
        const tSkioraPoint& d = feld[r];
        int tag = 0, monat = 0;
        if (!DatumAusName(d.name, tag, monat) || !DatumGueltig(tag, monat, uhr.p.Jahr)) continue;
        if (nurBrauchbare && !d.usable) continue;
        std::string datum = d.name;
        while (!datum.empty() && datum.back() == ' ')
            datum.pop_back();
        aus.push_back({datum, TagNr(uhr.p.Jahr, monat, tag), aufAchse ? 0.0 : d.x, d.y, haelfte});
    }
}

std::vector<Standort> Standorte(const Sonnenuhr& uhr) {
    std::vector<Standort> s;
    const auto& e = uhr.erg;
    if (uhr.p.Arten < 2) {
        // Marks on the minor axis stand at x = 0; the array keeps the analemma's x.
        StandorteAus(uhr, e.DatumsPunkte, Haelfte::Ganz, uhr.p.Arten == 0, false, s);
    } else {
        const bool erste = uhr.p.Mittelwert <= 1;
        StandorteAus(uhr, erste ? e.SplitVor1 : e.SplitVor2, Haelfte::Vormittag, false, true, s);
        StandorteAus(uhr, erste ? e.SplitNach1 : e.SplitNach2, Haelfte::Nachmittag, false, true, s);
    }
    return s;
}

std::string Ersetze(std::string text, const std::string& marke, const std::string& wert) {
    const auto stelle = text.find(marke);
    if (stelle != std::string::npos) text.replace(stelle, marke.size(), wert);
    return text;
}

std::string Meter(double v) {
    return std::isfinite(v) ? ZahlText(2, 2, v) : "-";
}

std::string Prozent(double anteil) {
    return ZahlText(1, 1, 100 * anteil) + " %";
}

// The Sun's declination and equation of time over one day of clock time.
// Both change slowly: taken at the day's two ends and interpolated, they are
// good to a thousandth of a degree and spare the ephemeris every hour point.
struct Tagessonne {
    SonnenOrt anfang, ende;
    SonnenOrt um(double zeit) const {
        const double f = zeit / 24;
        return {anfang.dekl + f * (ende.dekl - anfang.dekl),
                anfang.eot + f * (ende.eot - anfang.eot)};
    }
};

double Bezug(const DialParams& p) {
    return p.Zonenzeit ? p.Zone : p.Lang;
}

Tagessonne SonneAm(const DialParams& p, int N) {
    const double d0 = N + (Bezug(p) / 15 - 12) / 24; // 0:00 clock time
    return {SonnenDaten(p.Jahr, d0), SonnenDaten(p.Jahr, d0 + 1)};
}

PersonenSchatten Schatten(const Sonnenuhr& uhr, const Tagessonne& sonne, double zeit, double fx,
                          double fy, double zielX, double zielY) {
    const DialParams& p = uhr.p;
    // The real Sun at that clock time (the equation of time included), as seen
    // from the dial plane (a plane tilted by Incl is a level plane at latitude
    // Breit - Incl), and above the true horizon. Near the equinox the
    // declination is 0, as for the date marks.
    const SonnenOrt o = sonne.um(zeit);
    const double dekl = std::fabs(o.dekl) < 0.3 ? 0 : o.dekl;
    const double t = 15 * (zeit - 12) - (p.Lang - Bezug(p)) + o.eot;
    const HorizontOrt ebene = HorizontKoord(t, dekl, p.Breit - p.Incl);
    const double horizont = p.Incl == 0 ? ebene.hoehe : HorizontKoord(t, dekl, p.Breit).hoehe;
    PersonenSchatten s;
    if (horizont <= 0 || ebene.hoehe <= 0) return s;
    s.tag = true;

    // A person stands plumb: the shadow path's gnomon at 90 degrees, of height 1.
    const double incl = p.Incl * Rad;
    const double pf = std::cos(incl) / std::tan(ebene.hoehe * Rad);
    const double dx = std::sin(ebene.azimut * Rad) * pf;
    const double dy = std::cos(ebene.azimut * Rad) * pf + std::sin(incl);
    s.laenge = std::hypot(dx, dy);
    if (s.laenge < 1e-12) {
        // The Sun in the zenith: no direction, and no shadow to reach anything.
        s.abstand = std::hypot(zielX - fx, zielY - fy);
        return s;
    }
    const double ux = dx / s.laenge, uy = dy / s.laenge;

    // The ray foot + t * u against x^2/a^2 + y^2/b^2 = 1. On the equator the
    // ellipse flattens to its major axis; a tiny b keeps the quotients finite.
    const double a2 = p.Halb * p.Halb;
    const double b2 = std::max(uhr.Klein * uhr.Klein, 1e-18 * a2);
    const double A = ux * ux / a2 + uy * uy / b2;
    const double B = 2 * (fx * ux / a2 + fy * uy / b2);
    const double C = fx * fx / a2 + fy * fy / b2 - 1;
    const double diskriminante = B * B - 4 * A * C;
    if (diskriminante < 0) return s;
    const double w = std::sqrt(diskriminante);
    const double t1 = (-B - w) / (2 * A), t2 = (-B + w) / (2 * A);
    auto naeher = [&](double t) { return std::hypot(fx + t * ux - zielX, fy + t * uy - zielY); };
    if (t2 <= 0) return s; // both crossings behind the person
    s.abstand = (t1 > 0 && naeher(t1) <= naeher(t2)) ? t1 : t2;
    return s;
}

} // namespace

bool Schattenreichweite::zuKurz() const {
    return std::any_of(ergebnis.begin(), ergebnis.end(),
                       [](const ReichweiteJeHoehe& e) { return e.zuKurz() > 0; });
}

PersonenSchatten SchattenEinerPerson(const Sonnenuhr& uhr, int N, double zeit, double fx, double fy,
                                     double zielX, double zielY) {
    return Schatten(uhr, SonneAm(uhr.p, N), zeit, fx, fy, zielX, zielY);
}

std::vector<ReichweiteJeHoehe> ReichweitePruefen(const Sonnenuhr& uhr,
                                                 const std::vector<double>& hoehen) {
    std::vector<ReichweiteJeHoehe> ergebnis(hoehen.size());
    for (std::size_t i = 0; i < hoehen.size(); ++i) {
        ergebnis[i].hoehe = hoehen[i];
        ergebnis[i].groessteHalbachse = std::numeric_limits<double>::infinity();
    }
    if (!uhr.StundenBereichErlaubt(uhr.opt.StdVon, uhr.opt.StdBis, uhr.p.Lph)) return ergebnis;
    const int punkte = std::clamp((uhr.opt.StdBis - uhr.opt.StdVon) * uhr.p.Lph + 1, 0, 126);
    const bool split = uhr.p.Arten == 2;

    for (const Standort& s : Standorte(uhr)) {
        const Tagessonne sonne = SonneAm(uhr.p, s.N);
        for (int k = 1; k <= punkte; ++k) {
            const PunktZeit& P = uhr.erg.StundenPunkte[static_cast<std::size_t>(k)];
            // A split dial's hour points right of noon belong to its
            // afternoon half, as the picture draws them.
            if (split && (P.x > uhr.p.Halb / 30) != (s.haelfte == Haelfte::Nachmittag)) continue;
            const PersonenSchatten ps = Schatten(uhr, sonne, P.zeit, s.x, s.y, P.x, P.y);
            if (!ps.tag) continue;
            for (ReichweiteJeHoehe& e : ergebnis) {
                ++e.marken;
                const double laenge = e.hoehe * ps.laenge;
                if (ps.abstand < 0) {
                    ++e.verfehlt;
                    e.faelle.push_back({s.datum, P.zeit, laenge, -1});
                    continue;
                }
                if (laenge < ps.abstand) e.faelle.push_back({s.datum, P.zeit, laenge, ps.abstand});
                // Every length of the dial scales with the half axis; the shadow does not.
                if (ps.abstand > 0)
                    e.groessteHalbachse =
                        std::min(e.groessteHalbachse, uhr.p.Halb * laenge / ps.abstand);
            }
        }
    }
    return ergebnis;
}

void ReichweiteBerechnen(Sonnenuhr& uhr) {
    uhr.reichweite.ergebnis = ReichweitePruefen(uhr, uhr.reichweite.Hoehen);
}

std::optional<std::vector<double>> LeserhoehenLesen(const std::vector<std::string>& felder) {
    std::vector<double> hoehen;
    for (std::string text : felder) {
        std::replace(text.begin(), text.end(), ',', '.');
        bool leer = false;
        const auto wert = LiesZahl(text, &leer);
        if (leer) continue;
        if (!wert || !std::isfinite(*wert) || *wert < KleinsteLeserhoehe ||
            *wert > GroessteLeserhoehe)
            return std::nullopt;
        hoehen.push_back(*wert);
    }
    if (hoehen.empty() || hoehen.size() > static_cast<std::size_t>(MaxLeser)) return std::nullopt;
    return hoehen;
}

bool LeserhoehenSetzen(Sonnenuhr& uhr, const std::vector<std::string>& felder) {
    const auto hoehen = LeserhoehenLesen(felder);
    if (!hoehen) {
        uhr.Melde(lang::Text(uhr.sprache.Sprache, lang::ReichweiteHoehenFalsch),
                  lang::Titel::Problem, Symbol::Warnung);
        return false;
    }
    uhr.reichweite.Hoehen = *hoehen;
    ReichweiteBerechnen(uhr);
    return true;
}

Gitter ReichweiteGitter(const Schattenreichweite& r, int sprache) {
    auto T = [sprache](const lang::Zweisprachig& t) { return lang::Text(sprache, t); };
    std::size_t faelle = 0;
    for (const auto& e : r.ergebnis)
        faelle += e.faelle.size();
    const int n = static_cast<int>(r.ergebnis.size());
    Gitter g(5, n + 3 + static_cast<int>(faelle));
    int zeile = 0;
    auto kopf = [&](std::initializer_list<const lang::Zweisprachig*> texte) {
        int c = 0;
        for (const auto* t : texte)
            g.Setze(c++, zeile, T(*t));
        ++zeile;
    };
    using namespace lang;
    kopf({&ReichweiteKopfHoehe, &ReichweiteKopfMarken, &ReichweiteKopfZuKurz, &ReichweiteKopfAnteil,
          &ReichweiteKopfHalbachse});
    for (const auto& e : r.ergebnis) {
        g.Setze(0, zeile, Meter(e.hoehe));
        g.Setze(1, zeile, std::to_string(e.marken));
        g.Setze(2, zeile, std::to_string(e.zuKurz()));
        g.Setze(3, zeile, Prozent(e.anteil()));
        g.Setze(4, zeile, Meter(e.groessteHalbachse));
        ++zeile;
    }
    ++zeile; // an empty row between the summary and the shortfalls
    kopf({&ReichweiteKopfHoehe, &ReichweiteKopfDatum, &ReichweiteKopfZeit, &ReichweiteKopfSchatten,
          &ReichweiteKopfAbstand});
    for (const auto& e : r.ergebnis) {
        for (const ReichweiteFall& f : e.faelle) {
            g.Setze(0, zeile, Meter(e.hoehe));
            g.Setze(1, zeile, f.datum);
            g.Setze(2, zeile, MinSekText(f.zeit / 4));
            g.Setze(3, zeile, Meter(f.schatten));
            g.Setze(4, zeile, f.abstand < 0 ? T(ReichweiteVerfehlt) : Meter(f.abstand));
            ++zeile;
        }
    }
    return g;
}

std::string ReichweiteVorschlagText(const Schattenreichweite& r, int sprache) {
    if (r.ergebnis.empty()) return {};
    auto kleinste = std::min_element(
        r.ergebnis.begin(), r.ergebnis.end(),
        [](const ReichweiteJeHoehe& a, const ReichweiteJeHoehe& b) { return a.hoehe < b.hoehe; });
    auto groesste = std::max_element(
        r.ergebnis.begin(), r.ergebnis.end(),
        [](const ReichweiteJeHoehe& a, const ReichweiteJeHoehe& b) { return a.hoehe < b.hoehe; });
    std::string text;
    if (!std::isfinite(kleinste->groessteHalbachse)) {
        text = lang::Text(sprache, lang::ReichweiteAllesErreicht);
    } else {
        text = Ersetze(Ersetze(lang::Text(sprache, lang::ReichweiteVorschlag), "%1",
                               Meter(kleinste->groessteHalbachse)),
                       "%2", Meter(kleinste->hoehe));
        if (std::isfinite(groesste->groessteHalbachse) &&
            groesste->groessteHalbachse >= kleinste->groessteHalbachse + 0.005)
            text += Ersetze(Ersetze(lang::Text(sprache, lang::ReichweiteVorschlagGroesser), "%1",
                                    Meter(groesste->groessteHalbachse)),
                            "%2", Meter(groesste->hoehe));
    }
    if (kleinste->verfehlt > 0)
        text += Ersetze(lang::Text(sprache, lang::ReichweiteNieErreicht), "%1",
                        std::to_string(kleinste->verfehlt));
    return text;
}

std::vector<std::string> ReichweiteWarnZeilen(const Schattenreichweite& r, int sprache) {
    std::vector<std::string> zeilen;
    for (const auto& e : r.ergebnis) {
        if (e.zuKurz() == 0) continue;
        if (zeilen.empty()) zeilen.push_back(lang::Text(sprache, lang::ReichweiteWarnung));
        zeilen.push_back(Ersetze(
            Ersetze(lang::Text(sprache, lang::ReichweiteWarnungEintrag), "%1", Meter(e.hoehe)),
            "%2", Prozent(e.anteil())));
    }
    return zeilen;
}

std::string ReichweiteWarnText(const Schattenreichweite& r, int sprache) {
    const auto zeilen = ReichweiteWarnZeilen(r, sprache);
    std::string text;
    for (std::size_t i = 0; i < zeilen.size(); ++i)
        text += (i == 0 ? "" : i == 1 ? " " : ", ") + zeilen[i];
    return text;
}

} // namespace skiora

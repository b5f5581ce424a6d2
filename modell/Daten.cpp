// The date marking of the model: the date scale on the minor axis, the
// analemma, or the two half-analemmas of a split dial, each at the dial's
// true coordinates.
#include "Bau.h"
#include "core/Sonne.h"
#include "core/Sonnenuhr.h"
#include "core/Zahlen.h"
#include "lang/Texte.h"

#include <cmath>
#include <cstring>

namespace skiora::modell {

namespace {

bool IstMonatsanfang(const std::string& name) {
    return name.rfind("01.", 0) == 0;
}

// "01.Jan " is stored with a blank for the tables; a drawing has no use for it.
std::string Beschriftung(const std::string& name) {
    std::string t = name;
    while (!t.empty() && t.back() == ' ')
        t.pop_back();
    return t;
}

// The entries of a date array in order, up to the first empty name.
int Anzahl(const DatumsFeld& f) {
    int n = 0;
    while (n + 1 < static_cast<int>(f.size()) && !f[static_cast<std::size_t>(n + 1)].name.empty())
        ++n;
    return n;
}

void Skala(Bau& b) {
    const auto& D = b.uhr.erg.DatumsPunkte;
    const int n = Anzahl(D);
    // Ticks to the west until the summer solstice, to the east from it on, as
    // in the picture: the two half-years pass the same places.
    double seite = -1;
    for (int k = 1; k <= n; ++k) {
        const tSkioraPoint& e = D[static_cast<std::size_t>(k)];
        if (e.name == "21.Jun ") seite = 1;
        const bool anfang = IstMonatsanfang(e.name);
        const double laenge = (anfang ? 2.0 : 1.2) * b.S();
        b.Dazu(Ebene::Datumsmarken, Linienzug{{{0, e.y}, {seite * laenge, e.y}}, false}, k);
        if (anfang)
            b.Beschrifte(Ebene::Datumstexte, {seite * (laenge + 0.5 * b.S()), e.y},
                         Beschriftung(e.name),
                         seite < 0 ? HAusrichtung::Rechts : HAusrichtung::Links, k);
    }
}

// A dot per date; month starts larger and labelled on the side of the
// figure they lie on (east of its middle to the east).
void Punkte(Bau& b, const DatumsFeld& f, int n, Ebene ebene, bool mitBrauchbar) {
    double mitte = 0;
    for (int k = 1; k <= n; ++k)
        mitte += f[static_cast<std::size_t>(k)].x / n;
    for (int k = 1; k <= n; ++k) {
        const tSkioraPoint& e = f[static_cast<std::size_t>(k)];
        const bool anfang = IstMonatsanfang(e.name);
        const double r = (anfang ? 0.25 : 0.15) * b.D();
        const Ebene hier = mitBrauchbar && !e.usable ? Ebene::Unbrauchbar : ebene;
        b.Dazu(hier, Kreis{{e.x, e.y}, r}, k);
        if (!anfang) continue;
        const bool ost = e.x >= mitte;
        // The halves of a split dial overlap: their labels keep their colour.
        b.Beschrifte(mitBrauchbar ? hier : Ebene::Datumstexte,
                     {e.x + (ost ? 1 : -1) * (r + 0.5 * b.S()), e.y}, Beschriftung(e.name),
                     ost ? HAusrichtung::Links : HAusrichtung::Rechts, k);
    }
}

// The day of the year of a date label "dd.Mon"; 0 when it is none.
int TagDesJahres(const std::string& name, int jahr) {
    if (name.size() < 4 || name[2] != '.') return 0;
    const int tag = (name[0] - '0') * 10 + (name[1] - '0');
    for (int monat = 1; monat <= 12; ++monat)
        if (name.compare(3, std::strlen(lang::MonatsNamen[monat]), lang::MonatsNamen[monat]) == 0)
            return TagNr(jahr, monat, tag);
    return 0;
}

// The figure-eight day by day, with the formula of the date marks but the
// Sun's own declination: the marks snap it to 0 near the equinoxes, which
// would put flat steps into the curve. Each mark's day takes the mark's own
// point, so that the curve passes through every mark.
void Analemma(Bau& b) {
    const auto& p = b.uhr.p;
    const double ref = p.Zonenzeit ? p.Zone : p.Lang;
    const int tage = IstSchaltjahr(p.Jahr) ? 366 : 365;
    const double f = std::sin((p.GnomWinkel - p.Breit) * Rad) / b.uhr.SinGI;
    Linienzug z;
    z.geschlossen = true;
    for (int N = 1; N <= tage; ++N) {
        const SonnenStandErgebnis s = SonnenStandMittag(p.Jahr, N, false, ref, p.Lang, p.Breit, 12);
        z.punkte.push_back({-s.eot * Rad * p.Halb, p.Halb * std::tan(s.dekl * Rad) * f});
    }
    const auto& D = b.uhr.erg.DatumsPunkte;
    const int n = Anzahl(D);
    for (int k = 1; k <= n; ++k) {
        const tSkioraPoint& e = D[static_cast<std::size_t>(k)];
        const int N = TagDesJahres(e.name, p.Jahr);
        if (N >= 1 && N <= tage) z.punkte[static_cast<std::size_t>(N - 1)] = {e.x, e.y};
    }
    b.Dazu(Ebene::Analemma, std::move(z));
    Punkte(b, D, n, Ebene::Datumsmarken, false);
}

// One half-analemma: its curve through the dates in order, closed; segments
// that touch an unusable date go to their own layer.
void Haelfte(Bau& b, const DatumsFeld& f, Ebene ebene) {
    const int n = Anzahl(f);
    if (n == 0) return;
    Linienzug lauf;
    Ebene laufEbene = ebene;
    auto abschliessen = [&] {
        if (lauf.punkte.size() >= 2) b.Dazu(laufEbene, std::move(lauf));
        lauf = {};
    };
    // n segments close the curve; two dates make one segment, one date none.
    const int strecken = n > 2 ? n : n - 1;
    for (int i = 1; i <= strecken; ++i) {
        const tSkioraPoint& v = f[static_cast<std::size_t>(i)];
        const tSkioraPoint& w = f[static_cast<std::size_t>(i % n + 1)];
        const Ebene e = v.usable && w.usable ? ebene : Ebene::Unbrauchbar;
        if (e != laufEbene || lauf.punkte.empty()) {
            abschliessen();
            laufEbene = e;
            lauf.punkte.push_back({v.x, v.y});
        }
        lauf.punkte.push_back({w.x, w.y});
    }
    abschliessen();
    Punkte(b, f, n, ebene, true);
}

} // namespace

void DatumsTeil(Bau& b) {
    const auto& p = b.uhr.p;
    const auto& erg = b.uhr.erg;
    switch (p.Arten) {
    case 0:
        Skala(b);
        break;
    case 1:
        Analemma(b);
        break;
    case 2: {
        const bool erste = p.Mittelwert <= 1;
        Haelfte(b, erste ? erg.SplitVor1 : erg.SplitVor2, Ebene::Vormittag);
        Haelfte(b, erste ? erg.SplitNach1 : erg.SplitNach2, Ebene::Nachmittag);
        break;
    }
    default:
        break;
    }
}

} // namespace skiora::modell

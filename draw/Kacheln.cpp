// Which sheets the dial needs: the page grid over the model's extent, and
// the sheets that something is drawn on.
#include "Kacheln.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

namespace skiora::draw {

namespace {

// Margins of a sheet, 0.01 mm: room for the neighbours' names at the sides
// and the top, for the rulers and the name of the sheet at the foot; wider
// than the unprintable edge of common printers.
constexpr int RandSeite = 1200, RandOben = 1200, RandUnten = 3000;

// Chords for the question "is anything on this sheet": half a millimetre.
constexpr double PruefFehler = 50;

std::int64_t Spalten(double ausdehnung, int fenster, int schritt) {
    if (ausdehnung <= fenster) return 1;
    const double n = std::ceil((ausdehnung - fenster) / schritt) + 1;
    return n > 1e15 ? static_cast<std::int64_t>(1e15) : static_cast<std::int64_t>(n);
}

// The marker of sheets with something on them; stops counting past the limit.
struct Belegung {
    const Kachelplan& plan;
    std::unordered_set<std::int64_t> belegt;
    bool voll = false;

    std::int64_t schluessel(std::int64_t c, std::int64_t r) const { return r * plan.spalten + c; }

    // A segment in grid units (the top-left corner of A1's area at 0, 0).
    void Strecke(modell::Punkt a, modell::Punkt b) {
        // Pieces shorter than half a step meet only a few sheets each.
        const double laenge = std::hypot(b.x - a.x, b.y - a.y);
        const double stueck = std::min(plan.stepX(), plan.stepY()) / 2.0;
        const int teile = static_cast<int>(std::min(1e7, std::ceil(laenge / stueck)));
        for (int i = 0; i < std::max(teile, 1) && !voll; ++i) {
            const double t0 = static_cast<double>(i) / std::max(teile, 1);
            const double t1 = static_cast<double>(i + 1) / std::max(teile, 1);
            Stueck({a.x + t0 * (b.x - a.x), a.y + t0 * (b.y - a.y)},
                   {a.x + t1 * (b.x - a.x), a.y + t1 * (b.y - a.y)});
        }
    }

    void Stueck(modell::Punkt a, modell::Punkt b) {
        const auto bereich = [](double lo, double hi, int fenster, int schritt, std::int64_t n) {
            const double von = std::max(0.0, std::ceil((lo - fenster) / schritt));
            const double bis = std::min(static_cast<double>(n - 1), std::floor(hi / schritt));
            return std::pair<std::int64_t, std::int64_t>(static_cast<std::int64_t>(von),
                                                         static_cast<std::int64_t>(bis));
        };
        const auto [c0, c1] = bereich(std::min(a.x, b.x), std::max(a.x, b.x), plan.breite,
                                      plan.stepX(), plan.spalten);
        const auto [r0, r1] =
            bereich(std::min(a.y, b.y), std::max(a.y, b.y), plan.hoehe, plan.stepY(), plan.zeilen);
        for (std::int64_t r = r0; r <= r1; ++r)
            for (std::int64_t c = c0; c <= c1; ++c) {
                const std::int64_t k = schluessel(c, r);
                if (belegt.count(k)) continue;
                const double x = static_cast<double>(c) * plan.stepX();
                const double y = static_cast<double>(r) * plan.stepY();
                modell::Punkt p = a, q = b;
                if (!Beschneiden(p, q, {x, y, x + plan.breite, y + plan.hoehe})) continue;
                belegt.insert(k);
                if (static_cast<std::int64_t>(belegt.size()) > HoechsteSeitenzahl) {
                    voll = true;
                    return;
                }
            }
    }
};

} // namespace

std::string SpaltenName(std::int64_t spalte) {
    std::string name;
    for (std::int64_t n = spalte + 1; n > 0; n = (n - 1) / 26)
        name.insert(name.begin(), static_cast<char>('A' + (n - 1) % 26));
    return name;
}

std::string KachelName(std::int64_t spalte, std::int64_t zeile) {
    return SpaltenName(spalte) + std::to_string(zeile + 1);
}

Abbildung Kachelplan::AbbildungFuer(std::int64_t spalte, std::int64_t zeile) const {
    // The tile's area begins spalte * stepX right of the grid's western edge.
    return {links - static_cast<double>(spalte) * stepX() - westRand * s,
            oben - static_cast<double>(zeile) * stepY() + nordRand * s, s};
}

Kachelplan KachelnPlanen(const modell::Modell& m, const KachelWahl& wahl) {
    Kachelplan plan;
    plan.wahl = wahl;
    const int seiteBreite = wahl.papier.breite * KachelEinheitenJeMm / 10;
    const int seiteHoehe = wahl.papier.hoehe * KachelEinheitenJeMm / 10;
    plan.links = RandSeite;
    plan.oben = RandOben;
    plan.breite = seiteBreite - 2 * RandSeite;
    plan.hoehe = seiteHoehe - RandOben - RandUnten;
    plan.s = EinheitenJeMeter(KachelEinheitenJeMm, wahl.massstab);
    if (m.verweigert || m.elemente.empty()) return plan;

    const double w = m.ausdehnung.breite() * plan.s, h = m.ausdehnung.hoehe() * plan.s;
    plan.spalten = Spalten(w, plan.breite, plan.stepX());
    plan.zeilen = Spalten(h, plan.hoehe, plan.stepY());
    // The grid centred over the dial.
    const double gw = static_cast<double>(plan.spalten - 1) * plan.stepX() + plan.breite;
    const double gh = static_cast<double>(plan.zeilen - 1) * plan.stepY() + plan.hoehe;
    plan.westRand = m.ausdehnung.xmin - (gw - w) / 2 / plan.s;
    plan.nordRand = m.ausdehnung.ymax + (gh - h) / 2 / plan.s;

    Belegung b{plan, {}, false};
    const Abbildung gitter{-plan.westRand * plan.s, plan.nordRand * plan.s, plan.s};
    for (const modell::Element& e : m.elemente) {
        if (e.ebene == modell::Ebene::Rahmen && !wahl.nurDatum) continue;
        for (const auto& zug : ElementZuege(e, gitter, PruefFehler)) {
            // A single point still marks its sheet.
            if (zug.size() == 1) b.Strecke(zug[0], zug[0]);
            for (size_t i = 0; i + 1 < zug.size() && !b.voll; ++i)
                b.Strecke(zug[i], zug[i + 1]);
        }
        if (b.voll) break;
    }
    plan.gezaehlt = static_cast<std::int64_t>(b.belegt.size());
    if (b.voll) {
        plan.zuViele = true;
        return plan;
    }
    std::vector<std::int64_t> liste(b.belegt.begin(), b.belegt.end());
    std::sort(liste.begin(), liste.end());
    for (std::int64_t k : liste) {
        const std::int64_t c = k % plan.spalten, r = k / plan.spalten;
        plan.kacheln.push_back({static_cast<int>(c), static_cast<int>(r), KachelName(c, r)});
    }
    return plan;
}

} // namespace skiora::draw

// The model's assembly: layers, axes and frame around the figures, the date
// strip, and the extents of elements.
#include "Bau.h"
#include "core/Figuren.h"
#include "core/Sonnenuhr.h"
#include "lang/Texte.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace skiora::modell {

namespace {

static_assert(static_cast<int>(Ebene::AufUntergang) + 1 == EbenenAnzahl, "one entry per layer");
constexpr std::array<EbenenInfo, EbenenAnzahl> infos{{
    {"FRAME", 0x808080},
    {"AXES", 0x000000},
    {"HOUR_ELLIPSE", 0x0000C0},
    {"HOUR_POINTS", 0xE00000},
    {"PART_HOURS", 0x008000},
    {"HOUR_NUMBERS", 0xA00000},
    {"SUMMER_TIME", 0x007F7F},
    {"DATE_MARKS", 0x008000},
    {"DATE_LABELS", 0x006000},
    {"ANALEMMA", 0x008000},
    {"MORNING_DATES", 0x008000},
    {"AFTERNOON_DATES", 0x800080},
    {"UNUSABLE_DATES", 0xB0B0B0},
    {"RISE_SET", 0x000080},
}};

std::size_t Zeichen(const std::string& utf8) {
    // Code points, not bytes: "Mär" is three characters wide.
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

void Erweitere(Rechteck& r, const Rechteck& s) {
    r.xmin = std::min(r.xmin, s.xmin);
    r.ymin = std::min(r.ymin, s.ymin);
    r.xmax = std::max(r.xmax, s.xmax);
    r.ymax = std::max(r.ymax, s.ymax);
}

Rechteck Vergroessert(Rechteck r, double rand) {
    return {r.xmin - rand, r.ymin - rand, r.xmax + rand, r.ymax + rand};
}

// Whether angle t lies on the arc [von, bis].
bool AufBogen(double t, double von, double bis) {
    const double zweiPi = 2 * std::numbers::pi;
    double d = std::fmod(t - von, zweiPi);
    if (d < 0) d += zweiPi;
    return d <= bis - von;
}

void RahmenUm(Modell& m, double rand) {
    m.ausdehnung = Vergroessert(Huelle(m.elemente), rand);
    const Rechteck& r = m.ausdehnung;
    m.elemente.push_back(
        {Ebene::Rahmen,
         Linienzug{{{r.xmin, r.ymin}, {r.xmax, r.ymin}, {r.xmax, r.ymax}, {r.xmin, r.ymax}}, true},
         0});
    std::stable_sort(m.elemente.begin(), m.elemente.end(),
                     [](const Element& a, const Element& b) { return a.ebene < b.ebene; });
}

bool Nutzbar(const Vorgaben& opt) {
    return opt.Punktdurchmesser > 0 && opt.Schrifthoehe > 0 &&
           std::isfinite(opt.Punktdurchmesser) && std::isfinite(opt.Schrifthoehe);
}

bool IstDatumsEbene(Ebene e) {
    switch (e) {
    case Ebene::Datumsmarken:
    case Ebene::Datumstexte:
    case Ebene::Analemma:
    case Ebene::Vormittag:
    case Ebene::Nachmittag:
    case Ebene::Unbrauchbar:
        return true;
    default:
        return false;
    }
}

} // namespace

// Out of line: inlined into every caller, GCC 12 warns falsely about the
// variant's moved-from members.
void Bau::Dazu(Ebene e, Form f, int index) {
    el.push_back({e, std::move(f), index});
}

const EbenenInfo& Info(Ebene e) {
    return infos[static_cast<std::size_t>(e)];
}

const std::array<Ebene, EbenenAnzahl>& AlleEbenen() {
    static const std::array<Ebene, EbenenAnzahl> alle = [] {
        std::array<Ebene, EbenenAnzahl> a{};
        for (int i = 0; i < EbenenAnzahl; ++i)
            a[static_cast<std::size_t>(i)] = static_cast<Ebene>(i);
        return a;
    }();
    return alle;
}

Rechteck Ausdehnung(const Element& e) {
    struct Besucher {
        Rechteck operator()(const Kreis& k) const {
            return {k.mitte.x - k.radius, k.mitte.y - k.radius, k.mitte.x + k.radius,
                    k.mitte.y + k.radius};
        }
        Rechteck operator()(const Linienzug& z) const {
            constexpr double inf = std::numeric_limits<double>::infinity();
            Rechteck r{inf, inf, -inf, -inf};
            for (const Punkt& p : z.punkte)
                Erweitere(r, {p.x, p.y, p.x, p.y});
            return z.punkte.empty() ? Rechteck{} : r;
        }
        Rechteck operator()(const Ellipsenbogen& b) const {
            auto punkt = [&](double t) {
                return Punkt{b.mitte.x + b.rx * std::cos(t), b.mitte.y + b.ry * std::sin(t)};
            };
            Rechteck r{};
            const Punkt a = punkt(b.von), z = punkt(b.bis);
            r = {std::min(a.x, z.x), std::min(a.y, z.y), std::max(a.x, z.x), std::max(a.y, z.y)};
            // The extremes at 0, 90, 180 and 270 degrees where the arc passes them.
            for (int q = 0; q < 4; ++q) {
                const double t = q * std::numbers::pi / 2;
                if (!AufBogen(t, b.von, b.bis)) continue;
                const Punkt p = punkt(t);
                Erweitere(r, {p.x, p.y, p.x, p.y});
            }
            return r;
        }
        Rechteck operator()(const Text& t) const {
            const double w = 0.8 * t.hoehe * static_cast<double>(Zeichen(t.text));
            double x0 = t.anker.x;
            if (t.h == HAusrichtung::Mitte) x0 -= w / 2;
            if (t.h == HAusrichtung::Rechts) x0 -= w;
            // Capitals above, descenders below.
            const double unten = t.v == VAusrichtung::Mitte ? -0.8 * t.hoehe : -0.3 * t.hoehe;
            const double oben = t.v == VAusrichtung::Mitte ? 0.5 * t.hoehe : t.hoehe;
            return {x0, t.anker.y + unten, x0 + w, t.anker.y + oben};
        }
    };
    return std::visit(Besucher{}, e.form);
}

Rechteck Huelle(const std::vector<Element>& el) {
    if (el.empty()) return {};
    Rechteck r = Ausdehnung(el.front());
    for (const Element& e : el)
        Erweitere(r, Ausdehnung(e));
    return r;
}

std::vector<Punkt> BogenPunkte(const Ellipsenbogen& b, int anzahl) {
    anzahl = std::max(anzahl, 2);
    std::vector<Punkt> p;
    p.reserve(static_cast<std::size_t>(anzahl));
    for (int i = 0; i < anzahl; ++i) {
        const double t = b.von + (b.bis - b.von) * i / (anzahl - 1);
        p.push_back({b.mitte.x + b.rx * std::cos(t), b.mitte.y + b.ry * std::sin(t)});
    }
    return p;
}

Modell DialModell(const Sonnenuhr& uhr, const Vorgaben& opt) {
    Modell m;
    if (uhr.Status != 0 || uhr.anz.BildGeloescht || MussVerweigern(uhr) || !Nutzbar(opt)) {
        m.verweigert = true;
        return m;
    }
    Bau b{uhr, opt, m.elemente};
    DatumsTeil(b);
    StundenTeil(b);
    AufUntergangTeil(b);

    // The axes reach a little beyond everything, the letters beyond them.
    const Rechteck inhalt = Vergroessert(Huelle(m.elemente), 1.5 * b.S());
    const double x0 = std::min(inhalt.xmin, 0.0), x1 = std::max(inhalt.xmax, 0.0);
    const double y0 = std::min(inhalt.ymin, 0.0), y1 = std::max(inhalt.ymax, 0.0);
    b.Strecke(Ebene::Achsen, {x0, 0}, {x1, 0});
    b.Strecke(Ebene::Achsen, {0, y0}, {0, y1});
    const int sprache = uhr.sprache.Sprache;
    b.Beschrifte(Ebene::Achsen, {0, y1 + b.S()}, "N", HAusrichtung::Mitte);
    b.Beschrifte(Ebene::Achsen, {x0 - 0.5 * b.S(), 0}, "W", HAusrichtung::Rechts);
    b.Beschrifte(Ebene::Achsen, {x1 + 0.5 * b.S(), 0}, lang::TextTabelle2(sprache, 29),
                 HAusrichtung::Links);
    RahmenUm(m, std::max(b.S(), b.D()));
    return m;
}

Modell DatumsModell(const Sonnenuhr& uhr, const Vorgaben& opt) {
    Modell ganz = DialModell(uhr, opt);
    Modell m;
    m.verweigert = ganz.verweigert;
    for (Element& e : ganz.elemente)
        if (IstDatumsEbene(e.ebene)) m.elemente.push_back(std::move(e));
    if (m.elemente.empty()) {
        m.verweigert = true;
        return m;
    }
    Bau b{uhr, opt, m.elemente};
    const Rechteck r = Huelle(m.elemente);
    // The part of the minor axis the dates span, and which way is north.
    b.Strecke(Ebene::Achsen, {0, r.ymin - 0.5 * b.S()}, {0, r.ymax + 0.5 * b.S()});
    b.Beschrifte(Ebene::Achsen, {0, r.ymax + 1.5 * b.S()}, "N", HAusrichtung::Mitte);
    RahmenUm(m, 0.5 * b.S());
    return m;
}

} // namespace skiora::modell

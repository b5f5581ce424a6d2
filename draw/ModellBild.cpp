#include "ModellBild.h"

#include "core/Zahlen.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace skiora::draw {

namespace {

using modell::Punkt;

// Liberation Sans (the program's Arial): capitals are 0.7 of the font
// height, the baseline lies 0.905 of it below the top of the text cell.
constexpr double VersalHoehe = 0.7;
constexpr double Oberlaenge = 0.905;

Farbe AusRgb(std::uint32_t rgb) {
    return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

int Ganz(double v) {
    return Naechste(v);
}

int BogenTeile(const modell::Ellipsenbogen& b, double s, double fehler) {
    const double r = std::max(b.rx, b.ry) * s;
    const double schritt = std::sqrt(8 * std::max(fehler, 1e-6) / std::max(r, 1e-9));
    const double teile = std::ceil((b.bis - b.von) / std::min(schritt, 0.5));
    return static_cast<int>(std::clamp(teile, 8.0, 200000.0));
}

std::vector<Punkt> Abgebildet(const std::vector<Punkt>& punkte, const Abbildung& abb) {
    std::vector<Punkt> r;
    r.reserve(punkte.size());
    for (const Punkt& p : punkte)
        r.push_back({abb.px(p.x), abb.py(p.y)});
    return r;
}

// A polyline in page units, cut at the area when there is one.
void Zug(Leinwand& lw, const std::vector<Punkt>& p, const std::optional<Bereich>& bereich) {
    for (size_t i = 0; i + 1 < p.size(); ++i) {
        Punkt a = p[i], b = p[i + 1];
        if (bereich && !Beschneiden(a, b, *bereich)) continue;
        const int ax = Ganz(a.x), ay = Ganz(a.y);
        if (lw.PenX() != ax || lw.PenY() != ay) lw.MoveTo(ax, ay);
        lw.LineTo(Ganz(b.x), Ganz(b.y));
    }
}

void TextZeichnen(Leinwand& lw, const modell::Text& t, const Abbildung& abb,
                  const ModellStil& stil) {
    double hoehe = t.hoehe * abb.s * stil.schriftFaktor / VersalHoehe;
    hoehe = std::max(hoehe, static_cast<double>(stil.mindestSchrift));
    if (!(hoehe >= 1) || t.text.empty()) return;
    lw.SchriftName("Arial");
    lw.SchriftHoehe(Ganz(hoehe));
    lw.SchriftFett(false);
    lw.PinselStil(PinselArt::Leer);
    const double breite = lw.TextWidth(t.text);
    double x = abb.px(t.anker.x);
    if (t.h == modell::HAusrichtung::Mitte) x -= breite / 2;
    if (t.h == modell::HAusrichtung::Rechts) x -= breite;
    double grundlinie = abb.py(t.anker.y);
    if (t.v == modell::VAusrichtung::Mitte) grundlinie += hoehe * VersalHoehe / 2;
    lw.TextOut(Ganz(x), Ganz(grundlinie - Oberlaenge * hoehe), t.text);
}

} // namespace

bool Beschneiden(Punkt& a, Punkt& b, const Bereich& r) {
    double t0 = 0, t1 = 1;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - r.x1, r.x2 - a.x, a.y - r.y1, r.y2 - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const Punkt start = a;
    if (t1 < 1) b = {start.x + t1 * dx, start.y + t1 * dy};
    if (t0 > 0) a = {start.x + t0 * dx, start.y + t0 * dy};
    return true;
}

Bereich ElementBereich(const modell::Element& e, const Abbildung& abb) {
    const modell::Rechteck r = modell::Ausdehnung(e);
    return {abb.px(r.xmin), abb.py(r.ymax), abb.px(r.xmax), abb.py(r.ymin)};
}

std::vector<std::vector<Punkt>> ElementZuege(const modell::Element& e, const Abbildung& abb,
                                             double sehnenfehler) {
    std::vector<std::vector<Punkt>> zuege;
    if (const auto* l = std::get_if<modell::Linienzug>(&e.form)) {
        zuege.push_back(Abgebildet(l->punkte, abb));
        if (l->geschlossen && !l->punkte.empty()) zuege.back().push_back(zuege.back().front());
    } else if (const auto* b = std::get_if<modell::Ellipsenbogen>(&e.form)) {
        zuege.push_back(
            Abgebildet(modell::BogenPunkte(*b, BogenTeile(*b, abb.s, sehnenfehler) + 1), abb));
    } else if (const auto* k = std::get_if<modell::Kreis>(&e.form)) {
        const modell::Ellipsenbogen voll{k->mitte, k->radius, k->radius, 0, 2 * std::numbers::pi};
        zuege.push_back(Abgebildet(
            modell::BogenPunkte(voll, std::min(BogenTeile(voll, abb.s, sehnenfehler), 256) + 1),
            abb));
    } else {
        const Bereich r = ElementBereich(e, abb);
        zuege.push_back({{r.x1, r.y1}, {r.x2, r.y1}, {r.x2, r.y2}, {r.x1, r.y2}, {r.x1, r.y1}});
    }
    return zuege;
}

void ModellZeichnen(Leinwand& lw, const modell::Modell& m, const Abbildung& abb,
                    const ModellStil& stil) {
    if (stil.bereich)
        lw.Ausschnitt(Ganz(std::floor(stil.bereich->x1)), Ganz(std::floor(stil.bereich->y1)),
                      Ganz(std::ceil(stil.bereich->x2)), Ganz(std::ceil(stil.bereich->y2)));
    lw.StiftStil(StiftArt::Voll);
    lw.StiftBreite(stil.linienbreite);
    lw.PinselStil(PinselArt::Leer);
    for (const modell::Element& e : m.elemente) {
        if (e.ebene == modell::Ebene::Rahmen && !stil.rahmen) continue;
        if (stil.bereich && !ElementBereich(e, abb).schneidet(*stil.bereich)) continue;
        const Farbe farbe = stil.grau ? 0xC8C8C8 : AusRgb(modell::Info(e.ebene).farbe);
        lw.StiftFarbe(farbe);
        lw.SchriftFarbe(farbe);
        if (const auto* k = std::get_if<modell::Kreis>(&e.form)) {
            const int x = Ganz(abb.px(k->mitte.x)), y = Ganz(abb.py(k->mitte.y));
            const int r = std::max(1, Ganz(k->radius * abb.s));
            lw.PinselStil(PinselArt::Leer);
            lw.Ellipse(x - r, y - r, x + r + 1, y + r + 1);
            const bool stunde =
                e.ebene == modell::Ebene::Stundenpunkte || e.ebene == modell::Ebene::Teilstunden;
            if (stil.mittelkreuze && stunde && r >= 4) {
                const int d = r / 2;
                lw.MoveTo(x - d, y);
                lw.LineTo(x + d, y);
                lw.MoveTo(x, y - d);
                lw.LineTo(x, y + d);
            }
        } else if (const auto* t = std::get_if<modell::Text>(&e.form)) {
            const bool richtung = e.ebene == modell::Ebene::Achsen;
            if (stil.texte && (stil.himmelsrichtungen || !richtung))
                TextZeichnen(lw, *t, abb, stil);
        } else {
            for (const auto& zug : ElementZuege(e, abb, stil.sehnenfehler))
                Zug(lw, zug, stil.bereich);
        }
    }
    if (stil.bereich) lw.OhneAusschnitt();
}

} // namespace skiora::draw

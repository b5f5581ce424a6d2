// The pages of the full-size tiles: the assembly map, then one sheet per
// tile with its cut marks, registration crosses, neighbours and rulers.
#include "Kacheln.h"

#include "core/Zahlen.h"
#include "lang/KachelTexte.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>
#include <set>

namespace skiora::draw {

namespace {

namespace t = lang::kacheln;

constexpr int Mm = KachelEinheitenJeMm;
constexpr Farbe Grau = 0x999999;

std::string MassstabZahl(double massstab) {
    char puffer[32];
    auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, massstab);
    return fehler == std::errc() ? std::string(puffer, ende) : "?";
}

void Text(Leinwand& lw, int x, int y, const std::string& text, int hoehe, bool fett = false,
          Farbe farbe = farben::Schwarz) {
    lw.SchriftName("Arial");
    lw.SchriftHoehe(hoehe);
    lw.SchriftFett(fett);
    lw.SchriftFarbe(farbe);
    lw.PinselStil(PinselArt::Leer);
    lw.TextOut(x, y, text);
}

int Breite(Leinwand& lw, const std::string& text, int hoehe, bool fett = false) {
    lw.SchriftName("Arial");
    lw.SchriftHoehe(hoehe);
    lw.SchriftFett(fett);
    return lw.TextWidth(text);
}

void Linie(Leinwand& lw, int x1, int y1, int x2, int y2) {
    lw.MoveTo(x1, y1);
    lw.LineTo(x2, y2);
}

void StiftSetzen(Leinwand& lw, Farbe farbe, int breite) {
    lw.StiftStil(StiftArt::Voll);
    lw.StiftFarbe(farbe);
    lw.StiftBreite(breite);
}

// A ruler of `teile` ticks `abstand` apart (page units as a real number, so
// that an eighth of an inch does not drift), every `lang`-th long and
// numbered, its whole length named at its end.
void Lineal(Leinwand& lw, int x, int y, int teile, double abstand, int mittel, int lang,
            const std::string& laenge) {
    StiftSetzen(lw, farben::Schwarz, 10);
    const int ende = x + Naechste(teile * abstand);
    Linie(lw, x, y, ende, y);
    for (int i = 0; i <= teile; ++i) {
        const int px = x + Naechste(i * abstand);
        const int h = i % lang == 0 ? 350 : (i % mittel == 0 ? 230 : 140);
        Linie(lw, px, y, px, y - h);
        if (i % lang == 0 && i > 0 && i < teile) {
            const std::string zahl = std::to_string(i / lang);
            Text(lw, px - Breite(lw, zahl, 220) / 2, y - 620, zahl, 220);
        }
    }
    Text(lw, ende + 200, y - 300, laenge, 220, true);
}

// A registration cross with a circle, centred on (x, y).
void Passkreuz(Leinwand& lw, int x, int y) {
    StiftSetzen(lw, farben::Schwarz, 10);
    Linie(lw, x - 400, y, x + 400, y);
    Linie(lw, x, y - 400, x, y + 400);
    lw.PinselStil(PinselArt::Leer);
    lw.Ellipse(x - 220, y - 220, x + 221, y + 221);
}

// A dashed line where the sheet is cut, and short solid marks beyond its ends.
void Schnittlinie(Leinwand& lw, int x1, int y1, int x2, int y2, int marke) {
    const bool senkrecht = x1 == x2;
    StiftSetzen(lw, farben::Schwarz, 30);
    if (senkrecht) {
        Linie(lw, x1, y1 - marke, x1, y1 - 150);
        Linie(lw, x2, y2 + 150, x2, y2 + marke);
    } else {
        Linie(lw, x1 - marke, y1, x1 - 150, y1);
        Linie(lw, x2 + 150, y2, x2 + marke, y2);
    }
    StiftSetzen(lw, Grau, 8);
    const int laenge = senkrecht ? y2 - y1 : x2 - x1;
    for (int d = 0; d < laenge; d += 400) {
        const int e = std::min(d + 200, laenge);
        if (senkrecht)
            Linie(lw, x1, y1 + d, x1, y1 + e);
        else
            Linie(lw, x1 + d, y1, x1 + e, y1);
    }
}

struct Dokument {
    modell::Modell modell;
    Kachelplan plan;
    int sprache = 1;
    std::string titel;
    std::set<std::pair<std::int64_t, std::int64_t>> gedruckt;

    int seitenBreite() const { return plan.wahl.papier.breite * Mm / 10; }
    int seitenHoehe() const { return plan.wahl.papier.hoehe * Mm / 10; }
    int seiten() const { return static_cast<int>(plan.kacheln.size()) + 1; }
    bool hat(std::int64_t c, std::int64_t r) const { return gedruckt.count({c, r}) > 0; }

    // Rulers and the page's name in the band at its foot.
    void Fuss(Leinwand& lw, int seite, const std::string& name) const {
        const int y0 = plan.oben + plan.hoehe;
        Lineal(lw, plan.links, y0 + 1300, 100, Mm, 5, 10, "100 mm");
        Lineal(lw, plan.links, y0 + 2500, 32, 25.4 * Mm / 8, 4, 8, "4 in");
        const int rechts = seitenBreite() - plan.links;
        if (!name.empty())
            Text(lw, rechts - Breite(lw, name, 1000, true), y0 + 350, name, 1000, true);
        const std::string zeile =
            lang::Einsetzen(lang::Text(sprache, t::Massstab), {MassstabZahl(plan.wahl.massstab)}) +
            "   " +
            lang::Einsetzen(lang::Text(sprache, t::Seite),
                            {std::to_string(seite), std::to_string(seiten())});
        Text(lw, rechts - Breite(lw, zeile, 260), y0 + 1550, zeile, 260);
        Text(lw, rechts - Breite(lw, titel, 260), y0 + 1950, titel, 260, false, Grau);
    }

    void Blatt(Leinwand& lw, const Kachel& k, int seite) const {
        const int L = plan.links, O = plan.oben, B = plan.breite, H = plan.hoehe;
        const int halb = Ueberlappung / 2;
        // The dial first, so that marks and names stay readable on top.
        ModellStil stil;
        stil.linienbreite = 25;
        stil.sehnenfehler = 1;
        stil.mittelkreuze = true;
        stil.rahmen = plan.wahl.nurDatum;
        stil.bereich = Bereich{static_cast<double>(L), static_cast<double>(O),
                               static_cast<double>(L + B), static_cast<double>(O + H)};
        ModellZeichnen(lw, modell, plan.AbbildungFuer(k.spalte, k.zeile), stil);

        const std::int64_t c = k.spalte, r = k.zeile;
        // Cut along the left and top edge where a neighbour lies under it.
        if (hat(c - 1, r)) Schnittlinie(lw, L + halb, O, L + halb, O + H, 900);
        if (hat(c, r - 1)) Schnittlinie(lw, L, O + halb, L + B, O + halb, 900);
        for (int i = 1; i <= 3; ++i) {
            if (hat(c - 1, r)) Passkreuz(lw, L + halb, O + H * i / 4);
            if (hat(c + 1, r)) Passkreuz(lw, L + B - halb, O + H * i / 4);
            if (hat(c, r - 1)) Passkreuz(lw, L + B * i / 4, O + halb);
            if (hat(c, r + 1)) Passkreuz(lw, L + B * i / 4, O + H - halb);
        }
        const int h = 280;
        if (hat(c - 1, r)) {
            const std::string n = "← " + KachelName(c - 1, r);
            Text(lw, L - 150 - Breite(lw, n, h), O + H / 2 - h / 2, n, h, true);
        }
        if (hat(c + 1, r))
            Text(lw, L + B + 150, O + H / 2 - h / 2, KachelName(c + 1, r) + " →", h, true);
        if (hat(c, r - 1)) {
            const std::string n = "↑ " + KachelName(c, r - 1);
            Text(lw, L + B / 2 - Breite(lw, n, h) / 2, O - 150 - h, n, h, true);
        }
        if (hat(c, r + 1)) {
            const std::string n = "↓ " + KachelName(c, r + 1);
            Text(lw, L + B / 2 - Breite(lw, n, h) / 2, O + H + 120, n, h, true);
        }
        Fuss(lw, seite, k.name);
    }

    void Karte(Leinwand& lw) const {
        const int L = plan.links;
        int y = plan.oben;
        Text(lw, L, y, titel, 700, true);
        y += 1100;
        const std::string angaben =
            lang::Einsetzen(lang::Text(sprache, t::Angaben),
                            {MassstabZahl(plan.wahl.massstab), plan.wahl.papier.name,
                             std::to_string(plan.kacheln.size()), std::to_string(seiten())});
        Text(lw, L, y, angaben, 330);
        y += 600;
        // The instructions, broken by an estimate of half the font height per character.
        const int h = 300, zeichen = plan.breite / (h * 56 / 100);
        std::string rest = lang::Text(sprache, t::Anleitung);
        while (!rest.empty()) {
            size_t n = rest.size();
            if (static_cast<int>(n) > zeichen) {
                n = rest.rfind(' ', static_cast<size_t>(zeichen));
                if (n == std::string::npos || n == 0) n = static_cast<size_t>(zeichen);
            }
            Text(lw, L, y, rest.substr(0, n), h);
            rest.erase(0, std::min(rest.size(), n + 1));
            y += h * 4 / 3;
        }
        y += 500;
        Uebersicht(lw, modell, plan,
                   {static_cast<double>(L), static_cast<double>(y),
                    static_cast<double>(L + plan.breite),
                    static_cast<double>(plan.oben + plan.hoehe)},
                   260);
        Fuss(lw, 1, "");
    }
};

} // namespace

void Uebersicht(Leinwand& lw, const modell::Modell& m, const Kachelplan& plan,
                const Bereich& kasten, int schrift) {
    if (plan.spalten < 1 || plan.zeilen < 1) return;
    const double gw = static_cast<double>(plan.spalten - 1) * plan.stepX() + plan.breite;
    const double gh = static_cast<double>(plan.zeilen - 1) * plan.stepY() + plan.hoehe;
    const double f = std::min((kasten.x2 - kasten.x1) / gw, (kasten.y2 - kasten.y1) / gh);
    const double x0 = kasten.x1 + ((kasten.x2 - kasten.x1) - gw * f) / 2;
    const double y0 = kasten.y1;
    // Grid units to the box: a sheet's area starts at (c * stepX, r * stepY).
    const auto X = [&](double g) { return Naechste(x0 + g * f); };
    const auto Y = [&](double g) { return Naechste(y0 + g * f); };

    ModellStil stil;
    stil.linienbreite = 1;
    stil.texte = false;
    stil.rahmen = plan.wahl.nurDatum;
    stil.sehnenfehler = 1;
    ModellZeichnen(lw, m,
                   {x0 - plan.westRand * plan.s * f, y0 + plan.nordRand * plan.s * f, plan.s * f},
                   stil);

    StiftSetzen(lw, 0xCCCCCC, 1);
    lw.PinselStil(PinselArt::Leer);
    if (plan.spalten <= 200 && plan.zeilen <= 200) {
        for (std::int64_t c = 0; c < plan.spalten; ++c)
            for (std::int64_t r = 0; r < plan.zeilen; ++r)
                lw.Rectangle(X(static_cast<double>(c) * plan.stepX()),
                             Y(static_cast<double>(r) * plan.stepY()),
                             X(static_cast<double>(c) * plan.stepX() + plan.breite) + 1,
                             Y(static_cast<double>(r) * plan.stepY() + plan.hoehe) + 1);
    }
    const int zelle = Naechste(std::min(plan.stepX(), plan.stepY()) * f);
    const int h = std::min(schrift, zelle / 3);
    for (const Kachel& k : plan.kacheln) {
        const int x1 = X(static_cast<double>(k.spalte) * plan.stepX());
        const int y1 = Y(static_cast<double>(k.zeile) * plan.stepY());
        const int x2 = X(static_cast<double>(k.spalte) * plan.stepX() + plan.breite);
        const int y2 = Y(static_cast<double>(k.zeile) * plan.stepY() + plan.hoehe);
        StiftSetzen(lw, farben::Schwarz, std::max(1, schrift / 30));
        lw.Rectangle(x1, y1, x2 + 1, y2 + 1);
        if (h >= 4) {
            // The name in the part no neighbour covers.
            const int bx = X(static_cast<double>(k.spalte) * plan.stepX() + Ueberlappung);
            const int by = Y(static_cast<double>(k.zeile) * plan.stepY() + Ueberlappung);
            Text(lw, bx + h / 4, by + h / 4, k.name, h, true, farben::Navy);
        }
    }
}

Seitensatz KachelSeiten(const modell::Modell& m, const Kachelplan& plan, int sprache,
                        const std::string& titel) {
    auto d = std::make_shared<Dokument>();
    d->modell = m;
    d->plan = plan;
    d->sprache = sprache;
    d->titel = titel;
    for (const Kachel& k : plan.kacheln)
        d->gedruckt.insert({k.spalte, k.zeile});
    Seitensatz satz;
    satz.papier = plan.wahl.papier;
    satz.einheitenJeMm = KachelEinheitenJeMm;
    satz.seiten = plan.zuViele ? 0 : d->seiten();
    satz.zeichne = [d](Leinwand& lw, int seite) {
        if (seite == 0)
            d->Karte(lw);
        else if (seite <= static_cast<int>(d->plan.kacheln.size()))
            d->Blatt(lw, d->plan.kacheln[static_cast<size_t>(seite - 1)], seite + 1);
    };
    return satz;
}

} // namespace skiora::draw

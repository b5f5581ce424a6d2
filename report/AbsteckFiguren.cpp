#include "AbsteckFiguren.h"

#include "core/Zahlen.h"
#include "draw/ModellBild.h"
#include "lang/AbsteckTexte.h"

#include <algorithm>
#include <cmath>

namespace skiora::report {

namespace {

namespace t = lang::abstecken;
using draw::Abbildung;
using draw::Leinwand;
using modell::Punkt;

constexpr draw::Farbe Rot = 0x2020D0, Blau = 0xB04010, Dunkel = 0x505050;
constexpr int Marke = 30; // letters of the reference marks

// The rectangle fitted into the box with a margin, centred.
Abbildung Einpassen(const modell::Rechteck& r, const Kasten& k, int rand) {
    const double w = std::max(r.breite(), 1e-9), h = std::max(r.hoehe(), 1e-9);
    const double s = std::min((k.breite - 2.0 * rand) / w, (k.hoehe - 2.0 * rand) / h);
    const double mx = (r.xmin + r.xmax) / 2, my = (r.ymin + r.ymax) / 2;
    return {k.x + k.breite / 2.0 - mx * s, k.y + k.hoehe / 2.0 + my * s, s};
}

int X(const Abbildung& a, double x) {
    return Naechste(a.px(x));
}
int Y(const Abbildung& a, double y) {
    return Naechste(a.py(y));
}

void StiftSetzen(Leinwand& lw, draw::Farbe f, int breite) {
    lw.StiftStil(draw::StiftArt::Voll);
    lw.StiftFarbe(f);
    lw.StiftBreite(breite);
}

void Strecke(Leinwand& lw, const Abbildung& a, Punkt p, Punkt q) {
    lw.MoveTo(X(a, p.x), Y(a, p.y));
    lw.LineTo(X(a, q.x), Y(a, q.y));
}

// A dot with its name above right.
void Punktmarke(Leinwand& lw, const Abbildung& a, Punkt p, const std::string& name,
                draw::Farbe farbe = draw::farben::Schwarz, int r = 9) {
    const int x = X(a, p.x), y = Y(a, p.y);
    StiftSetzen(lw, farbe, 1);
    lw.PinselStil(draw::PinselArt::Voll);
    lw.PinselFarbe(farbe);
    lw.Ellipse(x - r, y - r, x + r + 1, y + r + 1);
    if (!name.empty()) Schreibe(lw, x + r + 4, y - r - Marke, name, Marke, true, farbe);
}

// The arc of the circle around m through p, a little to either side of p.
void Bogen(Leinwand& lw, const Abbildung& a, Punkt m, Punkt p, double weite) {
    const double r = std::hypot(p.x - m.x, p.y - m.y);
    const double w0 = std::atan2(p.y - m.y, p.x - m.x);
    for (int i = 0; i <= 24; ++i) {
        const double w = w0 - weite + 2 * weite * i / 24;
        const int x = X(a, m.x + r * std::cos(w)), y = Y(a, m.y + r * std::sin(w));
        if (i == 0)
            lw.MoveTo(x, y);
        else
            lw.LineTo(x, y);
    }
}

void Hintergrund(Leinwand& lw, const modell::Modell& m, const Abbildung& a) {
    draw::ModellStil stil;
    stil.grau = true;
    stil.texte = false;
    stil.rahmen = false;
    stil.linienbreite = 2;
    draw::ModellZeichnen(lw, m, a, stil);
}

// The axes through C across the dial's extent.
void Achsen(Leinwand& lw, const Abbildung& a, const modell::Rechteck& r) {
    StiftSetzen(lw, draw::farben::Schwarz, 2);
    Strecke(lw, a, {0, r.ymin}, {0, r.ymax});
    Strecke(lw, a, {r.xmin, 0}, {r.xmax, 0});
}

// A north arrow: its point at (x, y), its letter above.
void Nordpfeil(Leinwand& lw, int x, int y, int laenge, int sprache) {
    StiftSetzen(lw, draw::farben::Schwarz, 4);
    lw.MoveTo(x, y + laenge);
    lw.LineTo(x, y);
    lw.LineTo(x - laenge / 5, y + laenge / 3);
    lw.MoveTo(x, y);
    lw.LineTo(x + laenge / 5, y + laenge / 3);
    const std::string n = lang::Text(sprache, t::Norden);
    lw.SchriftHoehe(40);
    lw.SchriftFett(true);
    Schreibe(lw, x - lw.TextWidth(n) / 2, y - 48, n, 40, true);
}

} // namespace

double MassstabFuer(const modell::Rechteck& r, const Kasten& k) {
    // Room for the scale bar and the north arrow at the edges.
    const double w = k.breite * 0.92, h = k.hoehe * 0.86;
    for (double zehner = 1; zehner < 1e9; zehner *= 10)
        for (double f : {1.0, 2.0, 2.5, 5.0}) {
            const double s = 10000 / (f * zehner); // page units per metre at 1:(f * zehner)
            if (r.breite() * s <= w && r.hoehe() * s <= h) return f * zehner;
        }
    return 1e9;
}

void FigurUhr(Leinwand& lw, const Kasten& k, const FigurDaten& d, double massstab) {
    const modell::Rechteck& r = d.uhr.ausdehnung;
    const double s = 10000 / massstab;
    const Abbildung a{k.x + k.breite / 2.0 - (r.xmin + r.xmax) / 2 * s,
                      k.y + k.hoehe / 2.0 + (r.ymin + r.ymax) / 2 * s, s};
    draw::ModellStil stil;
    stil.linienbreite = 3;
    stil.mindestSchrift = 24;
    stil.rahmen = false;
    // The north arrow names north; an "N" at the axis would be taken for the noon point.
    stil.himmelsrichtungen = false;
    draw::ModellZeichnen(lw, d.uhr, a, stil);

    const Bezugspunkte& b = d.masse.bezug;
    Punktmarke(lw, a, b.C, "C");
    Punktmarke(lw, a, b.N, "N");
    if (b.c >= 5e-4) {
        Punktmarke(lw, a, b.F1, "F1");
        Punktmarke(lw, a, b.F2, "F2");
    }
    Nordpfeil(lw, k.rechts() - 60, k.y + 70, 160, d.sprache);

    // Scale bar: five parts of a round length, at most 60 mm long.
    const double einheitM = d.einheit == Einheit::FussZoll ? 0.3048 : 1.0;
    const double laenge = RundeLaenge(600 / (s * einheitM)) * einheitM;
    const int teil = Naechste(laenge * s / 5);
    const int x0 = k.x + 20, y0 = k.unten() - 70;
    StiftSetzen(lw, draw::farben::Schwarz, 2);
    for (int i = 0; i < 5; ++i) {
        lw.PinselStil(draw::PinselArt::Voll);
        lw.PinselFarbe(i % 2 == 0 ? draw::farben::Schwarz : draw::farben::Weiss);
        lw.Rectangle(x0 + i * teil, y0, x0 + (i + 1) * teil + 1, y0 + 20);
    }
    lw.PinselStil(draw::PinselArt::Leer);
    // "1 m", "2.5 m", "5 ft": a round length needs no trailing zeros.
    const double zahl = laenge / einheitM;
    const std::string ende = Fest(zahl, zahl == std::round(zahl) ? 0 : 1) +
                             (d.einheit == Einheit::FussZoll ? " ft" : " m");
    Schreibe(lw, x0 - 8, y0 + 26, "0", 26);
    lw.SchriftHoehe(26);
    Schreibe(lw, x0 + 5 * teil - lw.TextWidth(ende) / 2, y0 + 26, ende, 26);
    const std::string n = Fest(massstab, massstab == std::round(massstab) ? 0 : 1);
    Schreibe(lw, x0 + 5 * teil + 120, y0 - 6,
             lang::Einsetzen(lang::Text(d.sprache, t::Massstab), {n}), 34, true);
}

void FigurLot(Leinwand& lw, const Kasten& k, const FigurDaten& d) {
    // The noon sun stands south of a northern site: the shadow points north.
    const bool nachNorden = d.masse.bezug.b >= 0;
    const int x = k.x + k.breite / 2, y = k.y + k.hoehe / 2 + (nachNorden ? 60 : -60);
    const int lang = k.hoehe * 2 / 5, richtung = nachNorden ? -1 : 1;
    StiftSetzen(lw, 0xAAAAAA, 2);
    for (int py = k.y + 20; py < k.unten() - 20; py += 30) {
        lw.MoveTo(x, py);
        lw.LineTo(x, std::min(py + 15, k.unten() - 20));
    }
    StiftSetzen(lw, Dunkel, 14);
    lw.MoveTo(x, y);
    lw.LineTo(x, y + richtung * lang);
    Punktmarke(lw, {0, 0, 1}, {static_cast<double>(x), static_cast<double>(-y)},
               lang::Text(d.sprache, t::FigLot), draw::farben::Schwarz, 14);
    // The label beyond the shadow's tip, where the box has room for it.
    const std::string schatten = lang::Text(d.sprache, t::FigSchatten);
    lw.SchriftHoehe(22);
    lw.SchriftFett(false);
    const int spitze = y + richtung * lang;
    Schreibe(lw, x - lw.TextWidth(schatten) / 2, nachNorden ? spitze - 40 : spitze + 14, schatten,
             22, false, Dunkel);
    // The sun opposite the shadow.
    const int sx = x, sy = y - richtung * (k.hoehe / 3);
    StiftSetzen(lw, 0x00A0E0, 3);
    lw.PinselStil(draw::PinselArt::Voll);
    lw.PinselFarbe(0x40D0FF);
    lw.Ellipse(sx - 30, sy - 30, sx + 31, sy + 31);
    for (int i = 0; i < 8; ++i) {
        const double w = i * 3.14159265358979 / 4;
        lw.MoveTo(sx + Naechste(45 * std::cos(w)), sy + Naechste(45 * std::sin(w)));
        lw.LineTo(sx + Naechste(65 * std::cos(w)), sy + Naechste(65 * std::sin(w)));
    }
    lw.PinselStil(draw::PinselArt::Leer);
    Nordpfeil(lw, k.x + 60, k.y + 70, 120, d.sprache);
}

void FigurDreieck(Leinwand& lw, const Kasten& k, const FigurDaten& d) {
    const modell::Rechteck& r = d.uhr.ausdehnung;
    const Abbildung a = Einpassen(r, k, 40);
    Hintergrund(lw, d.uhr, a);
    Achsen(lw, a, r);
    const Dreieck& dr = d.masse.dreieck;
    const double richtung = d.masse.bezug.b >= 0 ? 1 : -1;
    const Punkt C{0, 0}, P{0, richtung * dr.nordSued}, Q{dr.ostWest, 0};
    StiftSetzen(lw, Rot, 5);
    Strecke(lw, a, C, P);
    Strecke(lw, a, P, Q);
    Strecke(lw, a, Q, C);
    Punktmarke(lw, a, C, "C");
    Punktmarke(lw, a, P, "P", Rot);
    Punktmarke(lw, a, Q, "Q", Rot);
    Punktmarke(lw, a, d.masse.bezug.N, "N");
    const auto mitte = [&](Punkt p, Punkt q, const char* text) {
        Schreibe(lw, X(a, (p.x + q.x) / 2) + 10, Y(a, (p.y + q.y) / 2) - 34, text, 30, true, Rot);
    };
    mitte(C, P, "3");
    mitte(C, Q, "4");
    mitte(P, Q, "5");
    Nordpfeil(lw, k.x + 50, k.y + 60, 100, d.sprache);
}

void FigurSchlaufe(Leinwand& lw, const Kasten& k, const FigurDaten& d) {
    const modell::Rechteck& r = d.uhr.ausdehnung;
    const Abbildung a = Einpassen(r, k, 40);
    Hintergrund(lw, d.uhr, a);
    Achsen(lw, a, r);
    const Bezugspunkte& b = d.masse.bezug;
    // A point of the ellipse the stick has reached.
    const Punkt T{b.a * std::cos(0.9), b.b * std::sin(0.9)};
    StiftSetzen(lw, Rot, 4);
    Strecke(lw, a, b.F1, T);
    Strecke(lw, a, T, b.F2);
    Strecke(lw, a, b.F2, b.F1);
    Punktmarke(lw, a, b.C, "C");
    Punktmarke(lw, a, b.F1, "F1", Rot);
    Punktmarke(lw, a, b.F2, "F2", Rot);
    Punktmarke(lw, a, T, lang::Text(d.sprache, t::FigSchnur), Rot, 12);
}

void FigurBaender(Leinwand& lw, const Kasten& k, const FigurDaten& d) {
    const modell::Rechteck& r = d.uhr.ausdehnung;
    const Abbildung a = Einpassen(r, k, 40);
    Hintergrund(lw, d.uhr, a);
    Achsen(lw, a, r);
    const Bezugspunkte& b = d.masse.bezug;
    // A morning full hour well away from the axes shows both tapes clearly.
    const Stundenmarke* wahl = nullptr;
    for (const Stundenmarke& h : d.masse.stunden) {
        if (!h.volleStunde || h.flach) continue;
        const double guete = std::fabs(std::fabs(h.x) - 0.6 * b.a);
        if (!wahl || guete < std::fabs(std::fabs(wahl->x) - 0.6 * b.a)) wahl = &h;
    }
    if (!wahl && !d.masse.stunden.empty()) wahl = &d.masse.stunden.front();
    if (wahl) {
        const Punkt P{wahl->x, wahl->y};
        StiftSetzen(lw, Rot, 4);
        Strecke(lw, a, b.C, P);
        Bogen(lw, a, b.C, P, 0.25);
        StiftSetzen(lw, Blau, 4);
        Strecke(lw, a, b.N, P);
        Bogen(lw, a, b.N, P, 0.35);
        Punktmarke(lw, a, P, wahl->name, draw::farben::Schwarz, 11);
    }
    Punktmarke(lw, a, b.C, "C", Rot);
    Punktmarke(lw, a, b.N, "N", Blau);
}

void FigurDatum(Leinwand& lw, const Kasten& k, const FigurDaten& d) {
    const modell::Rechteck& r = d.datum.ausdehnung;
    const Abbildung a = Einpassen(r, k, 50);
    draw::ModellStil stil;
    stil.linienbreite = 2;
    stil.mindestSchrift = 20;
    stil.rahmen = false;
    stil.himmelsrichtungen = false;
    draw::ModellZeichnen(lw, d.datum, a, stil);
    Punktmarke(lw, a, {0, 0}, "C");
}

void FigurStehen(Leinwand& lw, const Kasten& k, const FigurDaten& d) {
    const modell::Rechteck& r = d.uhr.ausdehnung;
    const Abbildung a = Einpassen(r, k, 40);
    Hintergrund(lw, d.uhr, a);
    const auto& daten = d.masse.datum;
    const auto& stunden = d.masse.stunden;
    if (daten.empty() || stunden.empty()) return;
    // A spring date and three in the afternoon.
    const Datumsmarke& tag = daten[std::min(daten.size() - 1, daten.size() / 3)];
    const Stundenmarke* stunde = &stunden.back();
    for (const Stundenmarke& h : stunden)
        if (h.name == "15:00") stunde = &h;
    StiftSetzen(lw, Dunkel, 10);
    Strecke(lw, a, {tag.x, tag.y}, {stunde->x, stunde->y});
    Punktmarke(lw, a, {tag.x, tag.y}, "", draw::farben::Schwarz, 16);
    Punktmarke(lw, a, {stunde->x, stunde->y}, stunde->name, Rot, 11);
}

} // namespace skiora::report

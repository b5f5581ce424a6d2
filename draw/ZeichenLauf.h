#pragma once
// The working values of one drawing, shared by the parts of ZeichneUhr.
#include "Zeichner.h"
#include "Zeichnung.h"
#include "core/Zahlen.h"

#include <cstdint>

namespace skiora::draw {

struct ZeichenLauf {
    Sonnenuhr& u;
    Zeichner z;
    bool schirm;
    ZeichenWerte w;
    bool split = false;
    bool LinkeHaelfte = false;
    std::int64_t LeftX = 0, RightX = 0; // PlotLeftCentreX, PlotRightCentreX
    int V = 0;                          // legend offset on paper
    std::int64_t EckeFrei = 0;          // first free line of the notes at the top left

    ZeichenLauf(Sonnenuhr& uhr, Leinwand& lw, bool aufSchirm) : u(uhr), z(lw), schirm(aufSchirm) {}

    Leinwand& lw() { return z.lw(); }
    const Rahmen& r() const { return u.rahmen; }
    double M() const { return w.m.Massstab; }
    int sprache() const { return u.sprache.Sprache; }
    std::int64_t cy() const { return u.rahmen.PlotCentreY; }
    // Surface position of a dial point around the given centre.
    Pos P(std::int64_t centre, double x, double y) const {
        return Abbilden(centre, cy(), M(), x, y);
    }
    std::int64_t N(double v) const { return Naechste(v); }
};

// The calendar figures (date marks, shadow path, gnomon, sunrise construction).
void DatumsskalaZeichnen(ZeichenLauf& l);
void AnalemmaZeichnen(ZeichenLauf& l);
void DoppelanalemmaZeichnen(ZeichenLauf& l);
void SchattenwegZeichnen(ZeichenLauf& l);
void GnomonUndKonstruktion(ZeichenLauf& l);

// The summer-time number of the full-hour point q (entry e); the place's name
// (on screen) and the summer-time legend line at the top left (Sommerzeit.cpp).
void SommerzeitZahlZeichnen(ZeichenLauf& l, Pos q, const PunktZeit& e, int radius);
void OrtLegendeZeichnen(ZeichenLauf& l);

// How many date entries the marking uses: 12 * Anzahl, plus `zusatz` for 1 or 2.
int DatumsAnzahl(int anzahl, int zusatz);
bool IstMonatsanfang(const std::string& name);

} // namespace skiora::draw

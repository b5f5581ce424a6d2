#pragma once
// The parts of the model's construction, shared by its source files.
#include "Modell.h"

namespace skiora::modell {

struct Bau {
    const Sonnenuhr& uhr;
    const Vorgaben& opt;
    std::vector<Element>& el;

    double S() const { return opt.Schrifthoehe; }
    double D() const { return opt.Punktdurchmesser; }
    void Dazu(Ebene e, Form f, int index = 0);
    void Strecke(Ebene e, Punkt a, Punkt b) { Dazu(e, Linienzug{{a, b}, false}); }
    void Beschrifte(Ebene e, Punkt anker, std::string text, HAusrichtung h, int index = 0) {
        Dazu(e, Text{anker, S(), std::move(text), h, VAusrichtung::Mitte}, index);
    }
};

// Hour ellipse, hour points and numbers, summer-time numbers (Stunden.cpp).
void StundenTeil(Bau& b);
// Sunrise and sunset marks (Stunden.cpp).
void AufUntergangTeil(Bau& b);
// The date marking of the dial's kind (Daten.cpp).
void DatumsTeil(Bau& b);

// The box around the elements; an empty list gives an empty box at the origin.
Rechteck Huelle(const std::vector<Element>& el);

} // namespace skiora::modell

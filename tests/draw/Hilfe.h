#pragma once
// Shared by the drawing tests: a computed dial and its drawing on a recording canvas.
#include "core/Sonnenuhr.h"
#include "core/Zahlen.h"
#include "draw/AufzeichnungsLeinwand.h"
#include "draw/Zeichnung.h"

#include <functional>
#include <memory>

namespace skiora::draw::test {

inline constexpr int Breite = 1000, Hoehe = 606;

// A computed dial; `setzen` changes its inputs before the calculation.
inline std::unique_ptr<Sonnenuhr> Uhr(const std::function<void(Sonnenuhr&)>& setzen = nullptr) {
    auto u = std::make_unique<Sonnenuhr>();
    if (setzen) setzen(*u);
    u->Abgeleitet();
    u->btGoClick();
    return u;
}

inline ZeichenWerte Zeichne(Sonnenuhr& u, AufzeichnungsLeinwand& lw, int b = Breite,
                            int h = Hoehe) {
    Ziel z;
    z.Breite = b;
    z.Hoehe = h;
    return ZeichneUhr(u, lw, z);
}

// Where the drawing puts hour point k.
inline Pos StundenPos(const Sonnenuhr& u, int k) {
    const auto& e = u.erg.StundenPunkte[static_cast<std::size_t>(k)];
    return Abbilden(u.rahmen.PlotCentreX, u.rahmen.PlotCentreY, u.rahmen.Massstab, e.x, e.y);
}

inline bool HatKreis(const AufzeichnungsLeinwand& lw, Pos q, int r, Farbe f) {
    return lw.HatKreis(static_cast<int>(q.x), static_cast<int>(q.y), r, f);
}

inline std::vector<const Operation*> Linien(const AufzeichnungsLeinwand& lw, Farbe f) {
    std::vector<const Operation*> r;
    for (const auto* l : lw.Linien())
        if (l->stift.farbe == f) r.push_back(l);
    return r;
}

} // namespace skiora::draw::test

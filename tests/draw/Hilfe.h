#pragma once
// Shared by the drawing tests: a computed dial and its drawing on a recording canvas.
#include "core/Sonnenuhr.h"
#include "core/Zahlen.h"
#include "draw/AufzeichnungsLeinwand.h"
#include "draw/Zeichnung.h"

#include <memory>

namespace skiora::draw::test {

inline constexpr int Breite = 1000, Hoehe = 606;

inline std::unique_ptr<Sonnenuhr> Uhr(bool rechnen = true) {
    auto u = std::make_unique<Sonnenuhr>();
    u->Abgeleitet();
    if (rechnen) u->btGoClick();
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

} // namespace skiora::draw::test

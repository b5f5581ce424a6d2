#include "Seite.h"

#include "core/Zahlen.h"
#include "lang/Texte.h"

#include <algorithm>
#include <utility>

namespace skiora::report {

namespace {
// The sheet is taken as A4 landscape whatever the printer reports.
constexpr int A4Breite = 2970, A4Hoehe = 2100;
} // namespace

Seitengeometrie SeitenRand(const DruckerMasse& m0) {
    DruckerMasse m = m0;
    // A printer that reports no size is taken as printing the whole sheet.
    if (m.hs <= 0 || m.vs <= 0 || m.hr <= 0 || m.vr <= 0) m = {297, 210, 2970, 2100, 0, 0, false};
    if (m.hochformat) {
        std::swap(m.ox, m.oy);
        std::swap(m.vr, m.hr);
        std::swap(m.vs, m.hs);
    }
    // A printer that reports no pixels has no margins we could know of.
    const int L = Naechste(10.0 * m.ox * m.hs / m.hr);
    const int R = A4Breite - 10 * m.hs - L;
    const int T = Naechste(10.0 * m.oy * m.vs / m.vr);
    const int B = A4Hoehe - 10 * m.vs - T;
    Seitengeometrie g;
    g.SeiteBreite = std::clamp(A4Breite - 2 * std::max(L, R) - 2, 0, 2820);
    g.SeiteHoehe = std::clamp(A4Hoehe - 2 * std::max(T, B) - 2, 0, 2000);
    const int cx = (A4Breite - g.SeiteBreite) / 2, cy = (A4Hoehe - g.SeiteHoehe) / 2;
    g.SeiteLinks = cx >= L ? cx - L : 0;
    g.SeiteOben = cy >= T ? cy - T : 0;
    return g;
}

int UhrHoehe(int seiteBreite) {
    return Naechste(seiteBreite / 1.65);
}

Legendenlage LegendenLage(const Seitengeometrie& g) {
    Legendenlage l;
    l.V = (g.SeiteHoehe - g.SeiteUhrHoehe - 200) / 2;
    if (l.V < 0) {
        l.V = 0;
        l.n = 4;
    }
    return l;
}

void SeitenAbschluss(const Sonnenuhr& uhr, draw::Leinwand& lw, const Rahmen& r,
                     const Seitengeometrie& g) {
    using namespace draw;
    const int B = r.BildHoehe, u = 20;
    const int links = g.SeiteLinks, oben = g.SeiteOben, bb = r.BildBreite;
    lw.StiftStil(StiftArt::Voll);
    lw.StiftBreite(1);
    lw.StiftFarbe(farben::Weiss);
    lw.PinselFarbe(farben::Weiss);
    lw.PinselStil(PinselArt::Voll);
    lw.Rectangle(0, 0, links, oben + B);
    lw.Rectangle(0, 0, bb, oben);
    lw.Rectangle(0, oben + B - 1, bb, g.SeiteBreite + oben + 50);
    lw.Rectangle(links + bb - 1, 0, links + g.SeiteBreite + 50, oben + B);

    const Legendenlage lage = LegendenLage(g);
    const int V = lage.V, n = lage.n;
    lw.SchriftName("Arial");
    lw.SchriftFett(true);
    lw.SchriftHoehe(3 * u);
    lw.SchriftFarbe(farben::Schwarz);
    lw.Rectangle(0, oben + B - V - 1, links + bb + 50, g.SeiteHoehe + oben);

    lw.StiftFarbe(farben::Schwarz);
    lw.PinselStil(PinselArt::Leer);
    lw.Rectangle(links, oben, g.SeiteBreite + links - 1, g.SeiteHoehe + oben);
    lw.MoveTo(links, oben + B - V);
    lw.LineTo(links + bb, oben + B - V);

    const int s = uhr.sprache.Sprache;
    const int unten = g.SeiteHoehe + oben - V;
    // A dial made for a place found by name says which.
    const std::string titel = lang::TextTabelle2(s, 18);
    lw.TextOut(links + 50, unten - 2 * n * u,
               uhr.ort.Name.empty() ? titel : titel + " \u2013 " + uhr.ort.Name);

    lw.SchriftHoehe(2 * u);
    const auto& p = uhr.p;
    auto text = [&](int id) { return lang::LadeText(uhr.sprache, id); };
    const int y1 = unten - n * u, y2 = unten - 2 * u;
    const int spalte[4] = {links + 190, links + 790, links + 1390, links + 1990};
    lw.TextOut(spalte[0], y1, text(103) + "=" + ZahlText(6, 2, p.Breit) + ";");
    lw.TextOut(spalte[1], y1, text(104) + "=" + ZahlText(6, 2, p.Lang) + ";");
    lw.TextOut(spalte[2], y1, text(105) + "=" + ZahlText(6, 2, p.Zone) + ";");
    lw.TextOut(spalte[3], y1, text(116) + "= " + std::to_string(p.Jahr));
    lw.TextOut(spalte[0], y2,
               text(98) + " =" + ZahlText(5, 2, p.Halb) + " ||" + ZahlText(5, 2, uhr.Klein) + ";");
    lw.TextOut(spalte[1], y2, text(107) + "=" + ZahlText(5, 2, p.Incl) + ";");
    lw.TextOut(spalte[2], y2, text(109) + "=" + ZahlText(5, 2, p.Hoehe) + ";");
    lw.TextOut(spalte[3], y2, text(108) + "=" + ZahlText(6, 2, p.GnomInc));
    lw.PinselStil(PinselArt::Voll);
}

draw::Ziel PapierZiel(const Sonnenuhr& uhr, const Seitengeometrie& g, int schirmBreite) {
    draw::Ziel z;
    z.modus = draw::Modus::Papier;
    z.Breite = g.SeiteBreite;
    z.Hoehe = g.SeiteUhrHoehe;
    z.RandX = g.SeiteLinks;
    z.RandY = g.SeiteOben;
    z.SeiteHoehe = g.SeiteHoehe;
    z.SchirmBreite = schirmBreite;
    z.SeitenAbschluss = [&uhr, g](draw::Leinwand& lw, const Rahmen& r) {
        SeitenAbschluss(uhr, lw, r, g);
    };
    return z;
}

} // namespace skiora::report

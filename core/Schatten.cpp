// The path of the gnomon's shadow tip on the extra date.
#include "Sonne.h"
#include "Sonnenuhr.h"
#include "Zahlen.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace skiora {

void Sonnenuhr::Schattenweg(int jahr, int tag, int monat) {
    const int L = p.Lph < 3 ? 4 : std::min<int>(p.Lph, 6);
    const int n = L < 5 ? 1 : 2;
    Gitter& g = tab.StrGridShad;
    g.groesseSetzen(16, std::max(42, std::max(0, opt.StdBis - opt.StdVon + 1) * n + 1));
    GitterLeeren(g);
    const bool deutsch = sprache.Sprache != 2;
    g.Setze(0, 0, " Nr. ");
    for (int c = 1; c <= 13; c += 4) {
        g.Setze(c, 0, deutsch ? "Zeit" : "Time");
        g.Setze(c + 1, 0, "  x  ");
        g.Setze(c + 2, 0, "  y  ");
    }
    Abgeleitet();

    const double ref = p.Zonenzeit ? p.Zone : p.Lang;
    for (int i = 1; i < static_cast<int>(erg.SchattenPunkte.size()); ++i)
        erg.SchattenPunkte[i] = {0, 0, -1};

    // A refused extra date must not reach the calendar.
    monat = std::clamp(monat, 1, 12);
    tag = std::clamp(tag, 1, 31);
    const int N = TagNr(jahr, monat, tag);
    const double sGI = std::sin((p.GnomWinkel - p.Incl) * Rad);
    const double cGI = std::cos((p.GnomWinkel - p.Incl) * Rad);
    // Height of the date point per tan(declination); the same factor as the
    // date scale, and finite where tan(GnomWinkel - Breit) is not.
    const double datumsFaktor = std::sin((p.GnomWinkel - p.Breit) * Rad) * p.Halb / SinGI;

    for (int h = opt.StdVon; h <= opt.StdBis; ++h) {
        const int r = h - opt.StdVon + 1;
        const int kBis = h == opt.StdBis ? 1 : L;
        for (int k = 1; k <= kBis; ++k) {
            const int minuten = (60 / L) * (k - 1);
            const double T = h + minuten / 60.0;
            const SonnenStandErgebnis s =
                SonnenStand(jahr, N, false, ref, p.Lang, p.Breit - p.Incl, T);
            double alt = s.hoehe;
            if (std::fabs(alt) < 1e-7) alt = (Sign(alt) - 0.5) * 1e-7;
            double x = KeinSchatten, y = KeinSchatten;
            if (alt > 0.02 && std::fabs(12 - T) < HalberTagbogen(s.dekl, p.Breit) - 0.05) {
                const double pf = sGI / TanG(alt * Rad);
                x = std::sin(s.azimut * Rad) * p.Hoehe * pf;
                const double yd = datumsFaktor * TanG(s.dekl * Rad);
                y = (std::cos(-s.azimut * Rad) * pf + cGI) * p.Hoehe + yd;
            }
            const int index = (h - opt.StdVon) * L + k;
            if (index >= 1 && index < static_cast<int>(erg.SchattenPunkte.size()))
                erg.SchattenPunkte[index] = {x, y, T};

            const int zeile = k <= 4 ? (r - 1) * n + 1 : n * r;
            const int spalte = k <= 4 ? 4 * k - 3 : 4 * k - 11;
            if (k > 4) g.Setze(1, zeile, "");
            std::string zeit = std::to_string(h) + ":" + std::to_string(minuten);
            if (k == 1) zeit += "0";
            if (zeit.size() < 6) zeit.insert(0, 6 - zeit.size(), ' ');
            g.Setze(spalte, zeile, zeit);
            const bool ohne = x < -7777 && y < -7777;
            g.Setze(spalte + 1, zeile, ohne ? "  *" : ZahlText(7, 3, x));
            g.Setze(spalte + 2, zeile, ohne ? "  *" : ZahlText(7, 3, y));
        }
    }
}

} // namespace skiora

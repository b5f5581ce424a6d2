#include "Setzer.h"

#include <algorithm>

namespace skiora::report {

namespace {

// Characters, not bytes: umlauts and the degree sign are two bytes in UTF-8.
int Zeichen(const std::string& text) {
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

constexpr int ZeilenLuft = 6; // between a table's rows and its rules

} // namespace

int GeschaetzteBreite(const std::string& text, int schrift, bool fett) {
    // Liberation Sans averages about half its height per character; a little
    // more keeps wide letters and digits inside the column.
    return Zeichen(text) * schrift * (fett ? 60 : 56) / 100;
}

std::vector<std::string> Umbrechen(const std::string& text, int schrift, int breite) {
    std::vector<std::string> zeilen;
    std::string zeile;
    size_t i = 0;
    while (i < text.size()) {
        size_t ende = text.find(' ', i);
        if (ende == std::string::npos) ende = text.size();
        const std::string wort = text.substr(i, ende - i);
        const std::string probe = zeile.empty() ? wort : zeile + " " + wort;
        if (!zeile.empty() && GeschaetzteBreite(probe, schrift) > breite) {
            zeilen.push_back(zeile);
            zeile = wort;
        } else {
            zeile = probe;
        }
        i = ende + 1;
    }
    if (!zeile.empty() || zeilen.empty()) zeilen.push_back(zeile);
    return zeilen;
}

void Schreibe(draw::Leinwand& lw, int x, int y, const std::string& text, int schrift, bool fett,
              draw::Farbe farbe) {
    lw.SchriftName("Arial");
    lw.SchriftHoehe(schrift);
    lw.SchriftFett(fett);
    lw.SchriftFarbe(farbe);
    lw.PinselStil(draw::PinselArt::Leer);
    lw.TextOut(x, y, text);
}

void SchreibeRechts(draw::Leinwand& lw, int x, int y, const std::string& text, int schrift,
                    bool fett) {
    lw.SchriftName("Arial");
    lw.SchriftHoehe(schrift);
    lw.SchriftFett(fett);
    Schreibe(lw, x - lw.TextWidth(text), y, text, schrift, fett);
}

Setzer::Setzer(int breite, int hoehe, int rand)
    : breite_(breite), hoehe_(hoehe), rand_(rand), y_(rand), seiten_(1) {}

void Setzer::Platz(int hoehe) {
    if (y_ + hoehe > hoehe_ - rand_ && y_ > rand_) NeueSeite();
}

void Setzer::NeueSeite() {
    seiten_.emplace_back();
    y_ = rand_;
}

void Setzer::Zeichne(Teil t) {
    seiten_.back().push_back(std::move(t));
}

void Setzer::Zeile(const std::string& text, int schrift, bool fett, int x, draw::Farbe farbe) {
    const int h = Zeilenhoehe(schrift);
    Platz(h);
    const int px = x < 0 ? links() : x, py = y_;
    Zeichne([=](draw::Leinwand& lw) { Schreibe(lw, px, py, text, schrift, fett, farbe); });
    y_ += h;
}

void Setzer::Absatz(const std::string& text, int schrift, int x, int breite) {
    const int px = x < 0 ? links() : x;
    const int b = breite < 0 ? rechts() - px : breite;
    for (const std::string& z : Umbrechen(text, schrift, b))
        Zeile(z, schrift, false, px);
    y_ += schrift / 3;
}

void Setzer::Tabelle(const std::vector<Spalte>& spalten,
                     const std::vector<std::vector<std::string>>& zeilen, int schrift, int x,
                     const std::vector<bool>& markiert) {
    const int x0 = x < 0 ? links() : x;
    int gesamt = 0;
    for (const Spalte& s : spalten)
        gesamt += s.breite;
    const int h = Zeilenhoehe(schrift) + ZeilenLuft;
    const int rand = 15; // text inside a cell

    auto kopf = [&] {
        const int py = y_;
        Zeichne([=](draw::Leinwand& lw) {
            lw.StiftFarbe(draw::farben::Schwarz);
            lw.StiftBreite(3);
            int cx = x0;
            for (const Spalte& s : spalten) {
                if (s.rechts)
                    SchreibeRechts(lw, cx + s.breite - rand, py + ZeilenLuft / 2, s.kopf, schrift,
                                   true);
                else
                    Schreibe(lw, cx + rand, py + ZeilenLuft / 2, s.kopf, schrift, true);
                cx += s.breite;
            }
            lw.MoveTo(x0, py + h);
            lw.LineTo(x0 + gesamt, py + h);
        });
        y_ += h;
    };

    Platz(2 * h);
    kopf();
    for (size_t r = 0; r < zeilen.size(); ++r) {
        if (y_ + h > hoehe_ - rand_) {
            NeueSeite();
            kopf();
        }
        const int py = y_;
        const std::vector<std::string> zeile = zeilen[r];
        const bool hell = r < markiert.size() && markiert[r];
        Zeichne([=](draw::Leinwand& lw) {
            if (hell) {
                lw.StiftStil(draw::StiftArt::Unsichtbar);
                lw.PinselStil(draw::PinselArt::Voll);
                lw.PinselFarbe(0xEEEEEE);
                lw.Rectangle(x0, py, x0 + gesamt, py + h);
                lw.StiftStil(draw::StiftArt::Voll);
            }
            int cx = x0;
            for (size_t c = 0; c < spalten.size(); ++c) {
                const Spalte& s = spalten[c];
                const std::string text = c < zeile.size() ? zeile[c] : "";
                if (s.haken) {
                    const int k = schrift * 3 / 4;
                    lw.StiftFarbe(draw::farben::Schwarz);
                    lw.StiftBreite(2);
                    lw.PinselStil(draw::PinselArt::Leer);
                    const int kx = cx + (s.breite - k) / 2, ky = py + (h - k) / 2;
                    lw.Rectangle(kx, ky, kx + k, ky + k);
                } else if (s.rechts) {
                    SchreibeRechts(lw, cx + s.breite - rand, py + ZeilenLuft / 2, text, schrift);
                } else {
                    Schreibe(lw, cx + rand, py + ZeilenLuft / 2, text, schrift);
                }
                cx += s.breite;
            }
            lw.StiftFarbe(0xBBBBBB);
            lw.StiftBreite(1);
            lw.MoveTo(x0, py + h);
            lw.LineTo(x0 + gesamt, py + h);
        });
        y_ += h;
    }
    y_ += schrift / 2;
}

std::vector<std::vector<Teil>>
Setzer::Seiten(const std::function<std::string(int, int)>& fuss) const {
    std::vector<std::vector<Teil>> seiten = seiten_;
    const int n = static_cast<int>(seiten.size());
    const int fy = hoehe_ - rand_ + 40, fx = rechts();
    const int linie = hoehe_ - rand_ + 25;
    for (int i = 0; i < n; ++i) {
        const std::string text = fuss(i + 1, n);
        const int x0 = links();
        seiten[static_cast<size_t>(i)].push_back([=](draw::Leinwand& lw) {
            lw.StiftFarbe(draw::farben::Schwarz);
            lw.StiftBreite(2);
            lw.MoveTo(x0, linie);
            lw.LineTo(fx, linie);
            SchreibeRechts(lw, fx, fy, text, 25);
        });
    }
    return seiten;
}

} // namespace skiora::report

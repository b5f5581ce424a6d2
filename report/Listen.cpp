#include "Listen.h"

#include "core/Ortsanzeige.h"
#include "core/Zahlen.h"
#include "draw/FehlerGrafik.h"
#include "lang/Texte.h"

#include <algorithm>

namespace skiora::report {

using draw::Leinwand;

namespace {

constexpr int Rand = 50;         // least distance of a line from the printable edge
constexpr int UmbruchZeile = 51; // a 72-row table continues from here on a new page

// Characters, not bytes: the German texts carry umlauts in UTF-8.
int Zeichen(const std::string& s) {
    return static_cast<int>(
        std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string Aufgefuellt(std::string s, int n) {
    const int fehlt = n - Zeichen(s);
    if (fehlt > 0) s.append(static_cast<std::size_t>(fehlt), ' ');
    return s;
}

// The list font is given as its character cell height, as the printer
// service means it; a face whose cell is higher is made smaller to match,
// so that the page keeps its number of lines.
void ListenSchrift(Leinwand& lw, int hoehe) {
    lw.SchriftName("MS Serif");
    lw.SchriftFett(false);
    lw.SchriftFarbe(draw::farben::Schwarz);
    lw.SchriftHoehe(hoehe);
    const int zelle = lw.TextHeight("123");
    if (zelle > hoehe) lw.SchriftHoehe(std::max(1, hoehe * hoehe / zelle));
}

// A cell of StrGridEin read as an hour for the method lines.
struct Eingabe {
    const Sonnenuhr& uhr;
    std::string fehler;

    std::string hm(int spalte, int zeile) {
        const std::string& z = uhr.tab.StrGridEin.Zelle(spalte, zeile);
        const auto wert = LiesZahl(z);
        if (!wert) {
            if (fehler.empty())
                fehler = lang::Meldung(uhr.sprache.Sprache, 6) + " (" +
                         lang::TextTabelle1(uhr.sprache.Sprache, 18) + ", " +
                         std::to_string(spalte) + "/" + std::to_string(zeile) + ": \"" + z + "\")";
            return {};
        }
        return MinSekText(*wert / 4);
    }
    // The last row of an hour column: the list the method actually used.
    int letzte(int spalte) const {
        const Gitter& g = uhr.tab.StrGridEin;
        int r = 1;
        while (r + 1 < g.Zeilen() && !g.Zelle(spalte, r + 1).empty())
            ++r;
        return r;
    }
};

// The hours of a column for methods 2 to 4: four on the line, the rest on
// continuation lines of eight, right-aligned under it.
void StundenListe(Eingabe& e, int spalte, std::string zeile, const std::string& schluss,
                  std::vector<ListenKopf::Zeile>& aus) {
    const Gitter& g = e.uhr.tab.StrGridEin;
    std::vector<std::string> h;
    for (int r = 1; r < g.Zeilen() && !g.Zelle(spalte, r).empty(); ++r)
        h.push_back(e.hm(spalte, r));
    std::size_t i = 0;
    bool erste = true;
    do {
        const std::size_t ende = std::min(h.size(), i + (erste ? 4 : 8));
        for (; i < ende; ++i)
            zeile += h[i] + (i + 1 < h.size() ? "," : "");
        if (i == h.size()) zeile += schluss;
        aus.push_back({zeile, !erste});
        zeile.clear();
        erste = false;
    } while (i < h.size());
}

std::vector<ListenKopf::Zeile> MethodenZeilen(Eingabe& e) {
    const int s = e.uhr.sprache.Sprache;
    const int m = e.uhr.p.Mittelwert;
    std::vector<ListenKopf::Zeile> z;
    const std::string vor = lang::TextTabelle2(s, 28) + lang::TextTabelle2(s, 93 + m);
    const std::string nach = lang::TextTabelle2(s, 64);
    switch (m) {
    case 0:
        z.push_back({vor + " (" + e.hm(1, 1) + " Uhr," + e.hm(1, 2) + " Uhr)"});
        z.push_back({nach + e.hm(3, 1) + " Uhr," + e.hm(3, 2) + " Uhr"});
        break;
    case 1:
        // From the first to the last hour of the list, not to its second.
        z.push_back({vor + ": " + e.hm(1, 1) + " - " + e.hm(1, e.letzte(1)) +
                     lang::TextTabelle2(s, 61) + e.hm(2, 2)});
        z.push_back({nach + e.hm(3, 1) + " - " + e.hm(3, e.letzte(3)) + lang::TextTabelle2(s, 61) +
                     e.hm(4, 2)});
        break;
    default:
        StundenListe(e, 1, vor + lang::TextTabelle2(s, 62), ")", z);
        StundenListe(e, 3, nach, "", z);
        break;
    }
    return z;
}

// One table as lines of text with the facts the rules and frames need.
struct Tafel {
    std::vector<std::string> zeilen; // row 0 the header
    std::vector<bool> spalte1;       // column 1 of the row has an entry
    std::vector<int> trenner;        // characters before each vertical rule
    int mitte = 1050;
    int linksVersatz = 0, rechtsVersatz = 0;
    int origin = 350;
    int kVersatz = 5; // row r is line k = r + kVersatz
    bool umbruch51 = false;
};

// The last row with any text; rows below it are not printed.
int LetzteZeile(const Gitter& g) {
    for (int r = g.Zeilen() - 1; r > 0; --r)
        for (int c = 0; c < g.Spalten(); ++c)
            if (!g.Zelle(c, r).empty()) return r;
    return 0;
}

// Cells padded to `pad` where the column has a header; a column holding a
// longer text is widened to it, so the columns stay in line.
Tafel AusGitter(const Gitter& g, int pad) {
    Tafel t;
    const int letzte = LetzteZeile(g);
    std::vector<int> breite(static_cast<std::size_t>(g.Spalten()), 0);
    for (int c = 0; c < g.Spalten(); ++c) {
        if (g.Zelle(c, 0).empty()) continue;
        int b = 0;
        for (int r = 0; r <= letzte; ++r)
            b = std::max(b, Zeichen(g.Zelle(c, r)));
        // A column whose texts fill the pad would touch its neighbour.
        breite[static_cast<std::size_t>(c)] = b >= pad ? b + 1 : pad;
    }
    int vorher = 0;
    bool inhalt = false;
    for (int c = 0; c < g.Spalten(); ++c) {
        const int b = breite[static_cast<std::size_t>(c)];
        if (b == 0 && inhalt && c + 1 < g.Spalten()) t.trenner.push_back(vorher);
        inhalt = b > 0;
        vorher += b;
    }
    for (int r = 0; r <= letzte; ++r) {
        std::string z;
        for (int c = 0; c < g.Spalten(); ++c)
            z += Aufgefuellt(g.Zelle(c, r), breite[static_cast<std::size_t>(c)]);
        t.zeilen.push_back(z);
        t.spalte1.push_back(!g.Zelle(1, r).empty());
    }
    return t;
}

// The hour and shadow tables: columns 1 .. n in groups of four, the
// fourth of each group a separator without padding.
Tafel Gruppentafel(const Gitter& g, int n, int pad1, int pad23) {
    Tafel t;
    const int letzte = LetzteZeile(g);
    n = std::min(n, g.Spalten() - 1);
    std::vector<int> breite(static_cast<std::size_t>(n + 1), 0);
    for (int c = 1; c <= n; ++c) {
        if (c % 4 == 0) continue;
        const int pad = c % 4 == 1 ? pad1 : pad23;
        int b = 0;
        for (int r = 0; r <= letzte; ++r)
            b = std::max(b, Zeichen(g.Zelle(c, r)));
        breite[static_cast<std::size_t>(c)] = b >= pad ? b + 1 : pad;
    }
    for (int r = 0; r <= letzte; ++r) {
        std::string z = r == 0 ? " " : "";
        for (int c = 1; c <= n; ++c) {
            const bool fuellen = !g.Zelle(c, 0).empty() || r == 0;
            z += fuellen ? Aufgefuellt(g.Zelle(c, r), breite[static_cast<std::size_t>(c)])
                         : g.Zelle(c, r);
        }
        t.zeilen.push_back(z);
        t.spalte1.push_back(!g.Zelle(1, r).empty());
    }
    t.mitte = 900;
    t.kVersatz = 0;
    return t;
}

class Drucker {
  public:
    Drucker(Sonnenuhr& uhr, Leinwand& lw, SeitenFolge& seiten, const ListenKopf& kopf)
        : uhr_(uhr), lw_(lw), seiten_(seiten), kopf_(kopf) {
        lw_.PinselStil(draw::PinselArt::Leer);
        lw_.StiftFarbe(draw::farben::Schwarz);
        lw_.StiftStil(draw::StiftArt::Voll);
        lw_.StiftBreite(1);
        ListenSchrift(lw_, 36);
        L_ = ZeilenHoehe(lw_);
        L2_ = Naechste(0.9 * L_);
    }

    void Titel(const std::string& t) {
        ListenSchrift(lw_, 48);
        lw_.TextOut(1000 - lw_.TextWidth(t) / 2, 120, t);
        ListenSchrift(lw_, 36);
    }

    // P1 to P3 and the fourth line(s); returns the y below the last one.
    int Kopfzeilen(int abstand, bool methode) {
        std::vector<ListenKopf::Zeile> z = {{kopf_.P1}, {kopf_.P2}, {kopf_.P3}};
        if (methode && !kopf_.methode.empty())
            z.insert(z.end(), kopf_.methode.begin(), kopf_.methode.end());
        else
            z.push_back({kopf_.P4});
        int rechts = 0, y = 180;
        for (std::size_t k = 0; k < z.size(); ++k) {
            y = 180 + static_cast<int>(k) * abstand;
            const int w = lw_.TextWidth(z[k].text);
            const int x = z[k].rechtsbuendig ? std::max(150, rechts - w) : 150;
            lw_.TextOut(x, y, z[k].text);
            if (!z[k].rechtsbuendig) rechts = x + w;
        }
        return y + abstand;
    }

    // Returns the y below the table's frame.
    int Tabelle(Tafel t) {
        ListenSchrift(lw_, 36);
        if (t.zeilen.empty()) return t.origin;
        int breit = 0;
        for (const auto& z : t.zeilen)
            breit = std::max(breit, lw_.TextWidth(z));
        // A table wider than the page is printed smaller rather than cut.
        const int platz = seiten_.Breite() - 2 * Rand;
        if (breit > platz && breit > 0) {
            lw_.SchriftHoehe(std::max(1, lw_.schrift.hoehe * platz / breit));
            breit = 0;
            for (const auto& z : t.zeilen)
                breit = std::max(breit, lw_.TextWidth(z));
        }
        const int kopfBreite = lw_.TextWidth(t.zeilen[0]);
        int links = std::max(Rand, t.mitte - kopfBreite / 2);
        links = std::min(links, std::max(Rand, seiten_.Breite() - Rand - breit));
        int rechts = links + breit;
        if (links - t.linksVersatz >= 10) {
            links -= t.linksVersatz;
            rechts -= t.rechtsVersatz;
        }
        rechts = std::max(rechts, links + breit);
        d_ = std::max(0, (L_ - lw_.TextHeight("123")) / 2);

        const int letzte = static_cast<int>(t.zeilen.size()) - 1;
        int kopfY = t.origin + t.kVersatz * L_;
        int erste = 1;
        int r = 1;
        lw_.TextOut(links, kopfY, t.zeilen[0]);
        int y = kopfY;
        while (r <= letzte) {
            const bool umbruch = (t.umbruch51 && r == UmbruchZeile) ||
                                 kopfY + (r - erste + 2) * L_ > seiten_.Hoehe();
            if (umbruch && r > erste) {
                Umrahmen(t, links, rechts, kopfY, erste, r - 1);
                seiten_.NeueSeite();
                kopfY = 5 * L_ + 130 - L_;
                erste = r;
                lw_.TextOut(links, kopfY, t.zeilen[0]);
            }
            y = kopfY + (r - erste + 1) * L_;
            lw_.TextOut(links, y, t.zeilen[static_cast<std::size_t>(r)]);
            if (r > erste && r % 4 == 1 && t.spalte1[static_cast<std::size_t>(r)]) {
                lw_.MoveTo(links - 10, y - d_);
                lw_.LineTo(rechts + 10, y - d_);
            }
            ++r;
        }
        Umrahmen(t, links, rechts, kopfY, erste, letzte);
        return kopfY + (letzte - erste + 2) * L_;
    }

    void NeueSeite() { seiten_.NeueSeite(); }
    int L() const { return L_; }
    int L2() const { return L2_; }
    Sonnenuhr& uhr() { return uhr_; }
    Leinwand& lw() { return lw_; }
    SeitenFolge& seiten() { return seiten_; }

  private:
    // Header and body of the rows erste..letzte framed (pen 2 wide); the
    // column groups separated by vertical rules.
    void Umrahmen(const Tafel& t, int links, int rechts, int kopfY, int erste, int letzte) {
        const int oben = kopfY - d_, mitte = kopfY + L_ - d_;
        const int unten = kopfY + (letzte - erste + 2) * L_ - d_;
        lw_.StiftBreite(2);
        lw_.Rectangle(links - 10, oben, rechts + 11, mitte + 1);
        if (letzte >= erste) lw_.Rectangle(links - 10, mitte, rechts + 11, unten + 1);
        lw_.StiftBreite(1);
        for (int n : t.trenner) {
            const int x = links + lw_.TextWidth(std::string(static_cast<std::size_t>(n), '0')) +
                          lw_.TextWidth("0") / 2;
            lw_.MoveTo(x, oben);
            lw_.LineTo(x, unten);
        }
    }

    Sonnenuhr& uhr_;
    Leinwand& lw_;
    SeitenFolge& seiten_;
    const ListenKopf& kopf_;
    int L_ = 0, L2_ = 0, d_ = 0;
};

void StundenAbschnitt(Drucker& d) {
    const Sonnenuhr& u = d.uhr();
    const int s = u.sprache.Sprache;
    d.Titel(u.opt.KoordXY ? lang::TextTabelle1(s, 14) : lang::TextTabelle1(s, 24));
    d.Kopfzeilen(d.L(), false);
    Tafel t = Gruppentafel(u.tab.StrGridStd, 4 * std::max<int>(1, u.p.Lph), 7, 9);
    // The summer-time clock stands after the hour points, as in the window.
    const Gitter& g = u.tab.StrGridStd;
    if (g.Spalten() > StundenSommerzeitSpalte && !g.Zelle(StundenSommerzeitSpalte, 0).empty())
        for (std::size_t r = 0; r < t.zeilen.size(); ++r)
            t.zeilen[r] += "  " + g.Zelle(StundenSommerzeitSpalte, static_cast<int>(r));
    d.Tabelle(t);
}

void SchattenAbschnitt(Drucker& d) {
    const Sonnenuhr& u = d.uhr();
    d.Titel(lang::LadeText(u.sprache, 117) + " " + u.opt.ExtraDatumName);
    d.Kopfzeilen(d.L(), false);
    const int S = u.p.Lph < 3 ? 4 : u.p.Lph;
    d.Tabelle(Gruppentafel(u.tab.StrGridShad, 4 * S, 8, 8));
}

void DatumsAbschnitt(Drucker& d) {
    Sonnenuhr& u = d.uhr();
    d.Titel(lang::TextTabelle1(u.sprache.Sprache, 16));
    const bool split = u.p.Arten == 2;
    const int unter = d.Kopfzeilen(d.L2(), split);
    Tafel t = AusGitter(u.tab.StrGridDat, 8);
    t.mitte = 1050;
    t.linksVersatz = 100;
    t.rechtsVersatz = 90;
    // Long method lines push the table down rather than run into it.
    t.origin = std::max(206, unter + d.L() / 2 - 5 * d.L());
    t.umbruch51 = u.p.Anzahl == 6;
    int y = d.Tabelle(t);
    if (u.p.Arten >= 2) return;
    const draw::FehlerTexte texte{lang::LadeText(u.sprache, 91), u.anz.lKoordAufUnter,
                                  lang::LadeText(u.sprache, 93), u.anz.lDek0,
                                  lang::LadeText(u.sprache, 24)};
    int y0 = y + 2 * d.L();
    if (y0 + 600 + 2 * d.L() > d.seiten().Hoehe()) {
        d.NeueSeite();
        y0 = 200;
    }
    draw::FehlerGrafikPapier(u, d.lw(), y0, texte);
    d.lw().PinselStil(draw::PinselArt::Leer);
}

void SplitSeite(Drucker& d, bool vormittag) {
    const Sonnenuhr& u = d.uhr();
    const int s = u.sprache.Sprache;
    d.Titel(lang::TextTabelle1(s, 18) + "  (" + lang::TextTabelle2(s, vormittag ? 23 : 24) + ")");
    const int unter = d.Kopfzeilen(d.L(), true);
    // The summary of the year before the table.
    Tafel m = AusGitter(u.tab.StrMittel, 0);
    m.mitte = 1000;
    m.kVersatz = 0;
    m.origin = unter + d.L() / 2;
    const int y = d.Tabelle(m);
    Tafel t = AusGitter(vormittag ? u.tab.StrGrid8b : u.tab.StrGrid8, 7);
    t.origin = y + d.L() - 5 * d.L();
    t.umbruch51 = u.p.Anzahl == 6;
    d.Tabelle(t);
}

} // namespace

int ZeilenHoehe(Leinwand& lw) {
    return Naechste(1.2 * lw.TextHeight("123"));
}

std::optional<ListenKopf> ListenKopfBauen(const Sonnenuhr& uhr, std::string& fehler) {
    const auto& p = uhr.p;
    auto text = [&](int id) { return lang::LadeText(uhr.sprache, id); };
    ListenKopf k;
    k.P1 = Aufgefuellt(Aufgefuellt(text(103) + "=" + ZahlText(6, 2, p.Breit) + "; ", 25) +
                           text(104) + "=" + ZahlText(6, 2, p.Lang) + "; ",
                       53) +
           text(105) + "=" + ZahlText(6, 2, p.Zone) + ";";
    k.P2 = Aufgefuellt(Aufgefuellt(text(106) + "=" + ZahlText(5, 2, p.Halb) + "; ", 25) + text(99) +
                           uhr.anz.lKlein + "; ",
                       53) +
           text(107) + "=" + ZahlText(5, 2, p.Incl) + "; ";
    k.P3 = Aufgefuellt(text(109) + "=" + ZahlText(5, 2, p.Hoehe) + "; ", 25) + text(108) + "=" +
           ZahlText(6, 2, p.GnomInc) + ";  " + text(116) + " = " + std::to_string(p.Jahr);
    k.P4 = text(94) + uhr.anz.lKoordAufUnter;
    if (p.Arten == 2) {
        Eingabe e{uhr, {}};
        k.methode = MethodenZeilen(e);
        if (!e.fehler.empty()) {
            fehler = e.fehler;
            return std::nullopt;
        }
    }
    return k;
}

bool DruckAbgelehnt(Sonnenuhr& uhr, Anzeige anzeige, bool alleListen) {
    if (alleListen || anzeige != Anzeige::Grafik) return false;
    uhr.Melde(lang::TextTabelle1(uhr.sprache.Sprache, 19), lang::Titel::Info, Symbol::Frage);
    return true;
}

std::vector<Abschnitt> Abschnitte(const Sonnenuhr& uhr, Anzeige anzeige, bool alleListen) {
    std::vector<Abschnitt> a;
    if (alleListen || anzeige == Anzeige::Stunden) a.push_back(Abschnitt::Stunden);
    if (alleListen || anzeige == Anzeige::Schatten) a.push_back(Abschnitt::Schatten);
    if (alleListen || anzeige == Anzeige::Datum) a.push_back(Abschnitt::Datum);
    if ((alleListen || anzeige == Anzeige::Split) && uhr.opt.SplitModus)
        a.push_back(Abschnitt::Split);
    return a;
}

void ListenDrucken(Sonnenuhr& uhr, Leinwand& lw, SeitenFolge& seiten,
                   const std::vector<Abschnitt>& abschnitte, const ListenKopf& kopf) {
    Drucker d(uhr, lw, seiten, kopf);
    for (std::size_t i = 0; i < abschnitte.size(); ++i) {
        if (i > 0) d.NeueSeite();
        switch (abschnitte[i]) {
        case Abschnitt::Stunden:
            StundenAbschnitt(d);
            break;
        case Abschnitt::Schatten:
            SchattenAbschnitt(d);
            break;
        case Abschnitt::Datum:
            DatumsAbschnitt(d);
            break;
        case Abschnitt::Split:
            SplitSeite(d, true);
            d.NeueSeite();
            SplitSeite(d, false);
            break;
        }
    }
}

} // namespace skiora::report

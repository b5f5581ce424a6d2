#include "Csv.h"

#include "core/Datei.h"
#include "core/Sonnenuhr.h"
#include "core/Zahlen.h"
#include "lang/Texte.h"

#include <locale>
#include <sstream>

namespace skiora::report {

namespace {

const std::string Q = "\"";

std::string Feld(const std::string& text) {
    return Q + text + Q + ";";
}

// A cell of StrGridEin read as hours for the split-analemma lines.
struct Eingabe {
    const Sonnenuhr& uhr;
    std::string fehler;

    std::optional<double> stunde(int spalte, int zeile) {
        const std::string& z = uhr.tab.StrGridEin.Zelle(spalte, zeile);
        auto wert = LiesZahl(z);
        if (!wert && fehler.empty())
            fehler = lang::Meldung(uhr.sprache.Sprache, 6) + " (" +
                     lang::TextTabelle1(uhr.sprache.Sprache, 18) + ", " + std::to_string(spalte) +
                     "/" + std::to_string(zeile) + ": " + Q + z + Q + ")";
        return wert;
    }
    // hours as h:mm, right-aligned in 6
    std::string hm(int spalte, int zeile) {
        auto w = stunde(spalte, zeile);
        return w ? MinSekText(*w / 4) : std::string();
    }
};

std::string SplitZeile4(Eingabe& e) {
    const int s = e.uhr.sprache.Sprache;
    const int m = e.uhr.p.Mittelwert;
    std::string h = Q + lang::TextTabelle2(s, 28) + lang::TextTabelle2(s, 93 + m);
    if (m == 0) h += " (" + e.hm(1, 1) + " Uhr, " + e.hm(1, 2) + " Uhr )";
    return h + Q + ";";
}

std::string SplitZeile5(Eingabe& e) {
    const int s = e.uhr.sprache.Sprache;
    const Gitter& ein = e.uhr.tab.StrGridEin;
    std::string h = Q + lang::TextTabelle2(s, 64);
    switch (e.uhr.p.Mittelwert) {
    case 0:
        h += e.hm(3, 1) + " Uhr, " + e.hm(3, 2) + " Uhr";
        break;
    case 1: {
        // The list was expanded into the table, so its end is the last row.
        int letzte = 1;
        while (letzte + 1 < ein.Zeilen() && !ein.Zelle(3, letzte + 1).empty())
            ++letzte;
        h += ":" + e.hm(3, 1) + " -" + e.hm(3, letzte) + lang::TextTabelle2(s, 61) + e.hm(4, 2);
        break;
    }
    default:
        for (int r = 1; r < ein.Zeilen() && !ein.Zelle(3, r).empty(); ++r)
            h += e.hm(3, r);
        break;
    }
    return h + Q + ";";
}

std::string Titel(const Sonnenuhr& uhr, Seite seite) {
    const int s = uhr.sprache.Sprache;
    switch (seite) {
    case Seite::Stunden:
        return lang::TextTabelle1(s, 14) + "  (" + lang::TextTabelle2(s, uhr.opt.KoordXY ? 7 : 8) +
               ")";
    case Seite::Schatten:
        return lang::LadeText(uhr.sprache, 117) + " (" + uhr.opt.ExtraDatumName + ")";
    case Seite::Datum:
        return lang::TextTabelle1(s, 16);
    case Seite::Vormittag:
        return lang::TextTabelle1(s, 18) + "  (" + lang::TextTabelle2(s, 23) + ")";
    case Seite::Nachmittag:
        return lang::TextTabelle1(s, 18) + "  (" + lang::TextTabelle2(s, 24) + ")";
    case Seite::Mittel:
    case Seite::Eingabe:
        return lang::TextTabelle1(s, 18);
    }
    return {};
}

} // namespace

std::optional<Kopf> KopfBauen(const Sonnenuhr& uhr, Seite seite, std::string* fehler) {
    const auto& sp = uhr.sprache;
    const auto& p = uhr.p;
    auto text = [&](int id) { return lang::LadeText(sp, id); };
    Kopf k;
    k.titel = Titel(uhr, seite);
    k.h1 = Feld(text(103) + "=" + ZahlText(6, 2, p.Breit) + ",   " + text(104) + "=" +
                ZahlText(6, 2, p.Lang) + ",   " + text(105) + "=" + ZahlText(6, 2, p.Zone));
    k.h2 = Feld(text(106) + "=" + ZahlText(5, 2, p.Halb) + ",   " + text(107) + "=" +
                ZahlText(5, 2, p.Incl) + ",   " + text(116) + "=" + std::to_string(p.Jahr));
    k.h3 = Feld(text(109) + "=" + ZahlText(5, 2, p.Hoehe) + ",   " + text(108) + "=" +
                ZahlText(6, 2, p.GnomInc));
    if (p.Arten != 2) {
        k.h3 += "  " + text(94) + uhr.anz.lKoordAufUnter;
    } else {
        Eingabe e{uhr, {}};
        k.h4 = SplitZeile4(e);
        k.h5 = SplitZeile5(e);
        if (!e.fehler.empty()) {
            if (fehler) *fehler = e.fehler;
            return std::nullopt;
        }
    }
    return k;
}

const Gitter& TabelleVon(const Sonnenuhr& uhr, Seite seite) {
    switch (seite) {
    case Seite::Stunden:
        return uhr.tab.StrGridStd;
    case Seite::Schatten:
        return uhr.tab.StrGridShad;
    case Seite::Datum:
        return uhr.tab.StrGridDat;
    case Seite::Vormittag:
        return uhr.tab.StrGrid8b;
    case Seite::Nachmittag:
        return uhr.tab.StrGrid8;
    case Seite::Mittel:
        return uhr.tab.StrMittel;
    case Seite::Eingabe:
        return uhr.tab.StrGridEin;
    }
    return uhr.tab.StrGridStd;
}

namespace {

// The rows alone; the caller has set the stream's locale. Changing it after
// data were written is undefined for file streams (it threw bad_cast).
void Zeilen(const Gitter& g, std::ostream& aus) {
    for (int r = 0; r < g.Zeilen(); ++r) {
        std::string zeile;
        for (int c = 0; c < g.Spalten(); ++c)
            zeile += Feld(g.Zelle(c, r));
        aus << lang::NachAnsi(zeile) << "\r\n";
    }
}

} // namespace

void TabelleSchreiben(const Gitter& g, std::ostream& aus) {
    aus.imbue(std::locale::classic());
    Zeilen(g, aus);
}

void CsvSchreiben(const Kopf& kopf, const Gitter& g, std::ostream& aus) {
    aus.imbue(std::locale::classic());
    const std::string leer = Feld(" ");
    for (const std::string& zeile :
         {Feld(kopf.titel), leer, kopf.h1, kopf.h2, kopf.h3, kopf.h4, kopf.h5, leer})
        aus << lang::NachAnsi(zeile) << "\r\n";
    Zeilen(g, aus);
}

bool TabelleSpeichern(const Sonnenuhr& uhr, Seite seite, const std::string& pfad,
                      std::string& fehler) {
    auto kopf = KopfBauen(uhr, seite, &fehler);
    if (!kopf) return false;
    std::ostringstream csv;
    CsvSchreiben(*kopf, TabelleVon(uhr, seite), csv);
    const auto r = datei::SicherSchreiben(pfad, csv.str(), uhr.sprache.Sprache);
    if (!r) fehler = r.meldung;
    return r.ok;
}

std::string TabellenDateiname(const std::string& gewaehlt, int filterIndex) {
    const auto trenner = gewaehlt.find_last_of("/\\");
    const size_t anfang = trenner == std::string::npos ? 0 : trenner + 1;
    const auto punkt = gewaehlt.rfind('.');
    std::string name =
        punkt != std::string::npos && punkt >= anfang ? gewaehlt.substr(0, punkt) : gewaehlt;
    return name + (filterIndex == 1 ? ".csv" : ".txt");
}

} // namespace skiora::report

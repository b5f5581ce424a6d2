// The document's own logic: defaults, messages, derived values, the
// validation of the input fields, the option handlers and the calculation
// driver. The computations themselves live in the other files of core/.
#include "Sonnenuhr.h"

#include "Sonne.h"
#include "Zahlen.h"
#include "lang/StundenTexte.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

namespace skiora {

namespace {

// The first n characters of a UTF-8 text (a character may take several bytes).
std::string ErsteZeichen(const std::string& s, size_t n) {
    size_t i = 0, zeichen = 0;
    while (i < s.size() && zeichen < n) {
        auto c = static_cast<unsigned char>(s[i]);
        size_t laenge = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : 4;
        i += laenge;
        ++zeichen;
    }
    return s.substr(0, i);
}

// Samples per hour of the shadow path: 4 below 3 hour lines, else the lines.
int SchattenProStunde(int lph) {
    return lph < 3 ? 4 : lph;
}

} // namespace

Sonnenuhr::Sonnenuhr()
    : eigenerMelder_(std::make_unique<SammelMelder>()), melder_(eigenerMelder_.get()) {
    tab.StrGridStd.groesseSetzen(16, 42);
    tab.StrGridShad.groesseSetzen(16, 42);
    tab.StrGridDat.groesseSetzen(7, 73);
    tab.StrGrid8.groesseSetzen(19, 73);
    tab.StrGrid8b.groesseSetzen(19, 73);
    tab.StrMittel.groesseSetzen(3, 4);
    tab.StrGridEin.groesseSetzen(5, 31);
    for (auto& s : erg.SchattenPunkte)
        s.zeit = -1;
    anz.lDek0 = ZahlText(7, 2, p.RiseSet);
    Abgeleitet();
    Modusumschaltung();
}

void Sonnenuhr::setzeMelder(Melder* m) {
    melder_ = m ? m : eigenerMelder_.get();
}

void Sonnenuhr::Melde(const std::string& text, lang::Titel titel, Symbol symbol) {
    melder_->Zeige(text, lang::TitelText(sprache.Sprache, titel), symbol);
}

void Sonnenuhr::MeldeNr(int nr, lang::Titel titel, Symbol symbol, const std::string& vor,
                        const std::string& nach) {
    Melde(vor + lang::Meldung(sprache.Sprache, nr) + nach, titel, symbol);
}

void Sonnenuhr::Abgeleitet() {
    double s = std::sin((p.GnomWinkel - p.Incl) * Rad);
    // Never zero: Klein and the date points divide by it.
    if (std::fabs(s) <= 1e-9) s = (Sign(s) + 0.5) * 1e-9;
    SinGI = s;
    Klein = p.Halb * std::cos((p.GnomWinkel - p.Breit) * Rad) / SinGI;
    anz.lKlein = " =" + ZahlText(7, 2, Klein);
}

// --- input fields ---------------------------------------------------------

bool WertImBereich(Feld feld, double v) {
    switch (feld) {
    case Feld::eBreit:
        return std::fabs(v) <= 90;
    case Feld::eLang:
    case Feld::eZone:
        return std::fabs(v) <= 195;
    case Feld::eGnomInc:
        return v >= -150 && v <= 150;
    case Feld::eIncl:
        return v >= -90 && v <= 90;
    case Feld::eHalb:
    case Feld::eHoehe:
        return v > 0.05 && v <= GroessteLaenge;
    case Feld::eRiseSet:
        return std::fabs(v) <= 23.45;
    // The prompt of the export panel offers [2,...,20], so 2 itself is valid.
    case Feld::EddxfAchs:
        return v >= 2 && v <= 20;
    case Feld::ejahr:
        break;
    }
    return false;
}

double GnomNeigung(double gnomWinkel) {
    double neigung = gnomWinkel - 90;
    if (std::fabs(std::fabs(neigung) - 90) < 1e-7) neigung += 1e-6;
    return neigung;
}

namespace {

// What the document holds for a field (the year is read as an integer apart).
double Gespeichert(const Sonnenuhr& u, Feld feld) {
    switch (feld) {
    case Feld::eBreit:
        return u.p.Breit;
    case Feld::eLang:
        return u.p.Lang;
    case Feld::eZone:
        return u.p.Zone;
    case Feld::eIncl:
        return u.p.Incl;
    case Feld::eGnomInc:
        return u.p.GnomInc;
    case Feld::eHoehe:
        return u.p.Hoehe;
    case Feld::eHalb:
        return u.p.Halb;
    case Feld::eRiseSet:
        return u.p.RiseSet;
    case Feld::ejahr:
        return u.p.Jahr;
    case Feld::EddxfAchs:
        return u.opt.DxfAchse;
    }
    return 0;
}

} // namespace

FeldErgebnis Sonnenuhr::eBreitExit(Feld feld, const std::string& text) {
    FeldErgebnis erg{true, text};

    bool leer = false;
    auto zahl = LiesZahl(text, &leer);
    // An emptied field keeps its value and shows it again; nothing changed,
    // so nothing is recalculated.
    if (leer) {
        erg.text =
            feld == Feld::ejahr ? std::to_string(p.Jahr) : ZahlText(7, 2, Gespeichert(*this, feld));
        return erg;
    }
    double v = 0;
    bool fehler = false;
    if (!zahl || !std::isfinite(*zahl)) {
        MeldeNr(4, lang::Titel::Problem, Symbol::Warnung);
        fehler = true;
    } else {
        // As a saved file will hold it, so that it loads again unchanged.
        v = FestWert(*zahl);
    }

    const bool imBereich = feld == Feld::ejahr || WertImBereich(feld, v);
    if (fehler || !imBereich) {
        MeldeNr(6, lang::Titel::Problem, Symbol::Warnung);
        erg.gueltig = false;
    }

    if (std::fabs(std::fabs(v) - 90) < 1e-7) v = v > 0 ? 89.9999999 : -89.9999999;

    if (erg.gueltig) {
        switch (feld) {
        case Feld::eBreit:
            if (std::fabs(v) < 0.005) v = 0.005;
            p.Breit = v;
            break;
        case Feld::eLang:
            p.Lang = v;
            break;
        case Feld::eZone:
            p.Zone = v;
            break;
        case Feld::eHalb:
            p.Halb = v;
            break;
        case Feld::eHoehe:
            p.Hoehe = v;
            break;
        case Feld::eRiseSet:
            p.RiseSet = v;
            break;
        case Feld::eIncl:
            p.Incl = v;
            // The split analemma keeps the check box disabled (mode switch).
            anz.ChBRiseSetAktiv = std::fabs(p.Incl) <= 0.1 && p.Arten != 2;
            break;
        case Feld::eGnomInc:
            // The file holds the angle; the inclination follows from it.
            p.GnomWinkel = FestWert(v + 90);
            p.GnomInc = GnomNeigung(p.GnomWinkel);
            break;
        case Feld::EddxfAchs:
            opt.DxfAchse = v;
            p.Halb = v;
            break;
        case Feld::ejahr: {
            auto jahr = LiesGanzzahl(text);
            if (!jahr || *jahr < 1700 || *jahr > 2100) {
                MeldeNr(9, lang::Titel::Problem, Symbol::Warnung, "",
                        "=" + text + lang::Meldung(sprache.Sprache, 13) + " [1700..2100] !");
                erg.gueltig = false;
            } else {
                p.Jahr = static_cast<std::int32_t>(*jahr);
                // 29 February exists only in leap years of the Gregorian calendar.
                if (opt.ExtraTag == 29 && opt.ExtraMonat == 2 && !IstSchaltjahr(p.Jahr)) {
                    opt.ExtraTag = 28;
                    opt.ExtraDatumText = "28/02";
                    opt.ExtraDatumName = "28. Feb";
                }
                if (zeitzoneAbgleichen) zeitzoneAbgleichen();
            }
            break;
        }
        }
    }
    if (!erg.gueltig) {
        // The year field shows an integer: "2002.00" would not read back as a year.
        if (feld == Feld::ejahr)
            erg.text = std::to_string(p.Jahr);
        else if (feld == Feld::EddxfAchs)
            erg.text = ZahlText(4, 2, opt.DxfAchse);
        else
            erg.text = ZahlText(7, 2, Gespeichert(*this, feld));
    }

    anz.lDek0 = ZahlText(7, 2, p.RiseSet);
    Abgeleitet();

    if (erg.gueltig) {
        btGoClick(Absender::Feld);
        anz.pErrGraphSichtbar = p.Arten < 2 && std::fabs(p.Incl) <= 0.1;
        anz.pSplitSichtbar = p.Arten == 2;
    }
    return erg;
}

FeldErgebnis Sonnenuhr::MaskEdit1Exit(const std::string& text) {
    if (text.find_first_not_of(" /") == std::string::npos) return {true, text};

    auto strich = text.find('/');
    std::optional<long long> tag, monat;
    if (strich != std::string::npos) {
        tag = LiesGanzzahl(text.substr(0, strich));
        monat = LiesGanzzahl(text.substr(strich + 1));
    }
    if (!tag || !monat || !DatumGueltig(*tag, *monat, p.Jahr)) {
        MeldeNr(17, lang::Titel::Fehler, Symbol::Fehler);
        // The last valid date stays in force for every computation.
        opt.ExtraDatumText = "  /  ";
        return {false, opt.ExtraDatumText};
    }
    opt.ExtraTag = static_cast<std::int16_t>(*tag);
    opt.ExtraMonat = static_cast<std::int16_t>(*monat);
    opt.ExtraDatumText = ZweiStellen(opt.ExtraTag) + "/" + ZweiStellen(opt.ExtraMonat);
    opt.ExtraDatumName = ZweiStellen(opt.ExtraTag) + ". " + lang::MonatsNamen[opt.ExtraMonat];
    if (StundenBereichErlaubt(opt.StdVon, opt.StdBis, p.Lph))
        Schattenweg(p.Jahr, opt.ExtraTag, opt.ExtraMonat);
    if (neuZeichnen) neuZeichnen();
    return {true, opt.ExtraDatumText};
}

// --- options ---------------------------------------------------------------

bool Sonnenuhr::StundenBereichErlaubt(int von, int bis, int lph) const {
    // A range that ends before it begins has no hour marks and no shadow path.
    if (lph < 1 || lph > 6 || von > bis) return false;
    // The hour marks need (bis - von) * lph + 1 points, the shadow path
    // (bis - von) * L + 1 with L >= lph; both arrays hold 126.
    long long punkte = static_cast<long long>(bis - von) * SchattenProStunde(lph) + 1;
    return punkte <= 126;
}

bool Sonnenuhr::StundenBereichPruefen(int von, int bis, int lph) {
    if (StundenBereichErlaubt(von, bis, lph)) return true;
    if (von > bis) {
        Melde(lang::StundenFolgeFalsch(sprache.Sprache, von, bis), lang::Titel::Problem,
              Symbol::Warnung);
        return false;
    }
    long long punkte = static_cast<long long>(bis - von) * SchattenProStunde(lph) + 1;
    std::string n = std::to_string(punkte);
    Melde(sprache.SpracheDeutsch
              ? "Zu viele Punkte für Stundenmarken und Schattenweg: " + n + " (höchstens 126)!"
              : "Too many points for hour marks and shadow path: " + n + " (at most 126)!",
          lang::Titel::Problem, Symbol::Warnung);
    return false;
}

void Sonnenuhr::lStartClick() {
    anz.ChBRiseSetAktiv = std::fabs(p.Incl) <= 0.1 && p.Arten != 2;
    // Only a ticked and enabled check box asks the plot for the marks.
    opt.MarkRiseSet = anz.ChBRiseSetHaken && anz.ChBRiseSetAktiv;
    if (StundenBereichErlaubt(opt.StdVon, opt.StdBis, p.Lph)) {
        StundenTabelle();
        Schattenweg(p.Jahr, opt.ExtraTag, opt.ExtraMonat);
    }
    if (opt.Bereit && neuZeichnen) neuZeichnen();
}

void Sonnenuhr::MittelKoepfe() {
    const int s = sprache.Sprache;
    auto& m = tab.StrMittel;
    m.Setze(0, 1, lang::TextTabelle2(s, 52));
    m.Setze(0, 2, lang::TextTabelle2(s, 53));
    m.Setze(0, 3, lang::TextTabelle2(s, 54));
    m.Setze(1, 0, lang::TextTabelle2(s, 55));
    m.Setze(2, 0, lang::TextTabelle2(s, 56));
    m.Setze(0, 0, lang::TextTabelle2(s, 63));
}

void Sonnenuhr::Modusumschaltung() {
    const bool split = p.Arten == 2;
    anz.tsSlopeSichtbar = split;
    if (split) {
        anz.ChBRiseSetAktiv = false;
        MittelKoepfe();
    } else {
        anz.ChBRiseSetAktiv = std::fabs(p.Incl) <= 0.1;
        tab.StrMittel.Leeren();
    }
    opt.SplitModus = split;
    anz.pErrGraphSichtbar =
        p.Arten < 2 && (std::fabs(p.Incl) <= 0.01 || std::fabs(p.GnomInc) <= 0.01);
    anz.pSplitSichtbar = split;
    tab.StrGridDat.groesseSetzen(split ? 9 : 7, 73);
}

void Sonnenuhr::rgArtenClick(int index, bool vonRgArten) {
    if (index < 0 || index > 2) return;
    p.Arten = static_cast<std::uint8_t>(index);
    Modusumschaltung();
    if (opt.Bereit && vonRgArten) btGoClick(Absender::rgArten);
}

void Sonnenuhr::rgAnzahlClick(int index) {
    static constexpr std::uint8_t anzahl[] = {1, 2, 3, 6};
    if (index < 0 || index > 3) return;
    p.Anzahl = anzahl[index];
    btGoClick();
}

void Sonnenuhr::rgMittelwertClick(int index, bool vonRgMittelwert) {
    if (index < 0 || index > 4) return;
    p.Mittelwert = static_cast<std::uint8_t>(index);
    anz.Label4Tag = index + 19;
    if (opt.Bereit && p.Arten == 2 && vonRgMittelwert) btGoClick(Absender::rgMittelwert);
}

void Sonnenuhr::rgKoordAusgClick(int index) {
    opt.KoordXY = index == 0;
    btGoClick(Absender::rgKoordAusg);
}

void Sonnenuhr::chbGenauClick(bool haken) {
    opt.Genau = haken;
    if (opt.Bereit) btGoClick();
}

void Sonnenuhr::rgDefaultClick(int index) {
    opt.DefaultWerte = index == 0;
}

void Sonnenuhr::efStartEndChange(int von, int bis) {
    // The spin fields' ranges; the error tables have columns for no more.
    opt.FehlVon = static_cast<std::int16_t>(std::clamp(von, 4, 11));
    opt.FehlBis = static_cast<std::int16_t>(std::clamp(bis, 13, 21));
    if (p.Arten == 2) {
        GitterLeeren(tab.StrGrid8);
        GitterLeeren(tab.StrGrid8b);
    }
}

// --- the calculation driver -------------------------------------------------

void Sonnenuhr::BildLoeschen() {
    anz.BildGeloescht = true;
    anz.BildMeldung.clear();
}

void Sonnenuhr::btGoClick(Absender absender) {
    // The split methods read Klein and SinGI before any table recomputes
    // them: a caller that set the parameters directly must not get stale ones.
    Abgeleitet();
    int status = 0;
    if (std::fabs(p.GnomInc - p.Incl) > 90)
        status = 12;
    else if (std::fabs(p.GnomWinkel - p.Incl) < 5)
        status = 11;
    Status = status;

    if (p.Arten < 2) {
        DatumsTabelle();
    } else if (p.Mittelwert == 0) {
        Methode0();
    } else if (p.Mittelwert == 1) {
        Methode1();
    } else {
        Methode234();
    }
    status = Status; // the split analemma may have refused its hours (21)

    if (status != 0) {
        BildLoeschen();
        MeldeNr(status, lang::Titel::Problem, Symbol::Warnung);
        anz.BildMeldung = ErsteZeichen(lang::Meldung(sprache.Sprache, status), 39);
        if (neuZeichnen) neuZeichnen();
        return;
    }

    anz.BildGeloescht = false;
    anz.BildMeldung.clear();
    // A range that would overrun the 126-point arrays keeps the old tables.
    if (StundenBereichPruefen(opt.StdVon, opt.StdBis, p.Lph)) {
        Schattenweg(p.Jahr, opt.ExtraTag, opt.ExtraMonat);
        StundenTabelle();
    }
    if (absender != Absender::rgKoordAusg && absender != Absender::btGo2 && neuZeichnen)
        neuZeichnen();
}

} // namespace skiora

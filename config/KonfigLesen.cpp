// Reading a configuration: every line into a copy of the state first, so a
// faulty line leaves the document exactly as it was.
#include "Konfiguration.h"

#include "core/Sonne.h"
#include "core/Zahlen.h"
#include "lang/KonfigTexte.h"
#include "lang/OrtTexte.h"

#include <algorithm>
#include <cmath>

namespace skiora::config {

namespace {

constexpr int EinZeilen = 30; // data rows of the hour-input table

// Range of a real-number line, as the window's field check has it.
bool RealErlaubt(int zeile, double v) {
    // Line 6 holds GnomWinkel, the field GnomInc = GnomWinkel - 90.
    constexpr Feld felder[] = {Feld::eBreit,   Feld::eLang,  Feld::eZone, Feld::eIncl,
                               Feld::eGnomInc, Feld::eHoehe, Feld::eHalb, Feld::eRiseSet};
    return WertImBereich(felder[zeile - 2], zeile == 6 ? v - 90 : v);
}

double& RealFeld(DialParams& p, int zeile) {
    double* felder[] = {&p.Breit,      &p.Lang,  &p.Zone, &p.Incl,
                        &p.GnomWinkel, &p.Hoehe, &p.Halb, &p.RiseSet};
    return *felder[zeile - 2];
}

struct GanzRegel {
    long long vorgabe, min, max;
};
// Lines 10..18 and 20: the default for text that is not an integer and the
// range the window's controls can hold.
GanzRegel GanzRegelFuer(int zeile) {
    switch (zeile) {
    case 10:
        return {3, 1, 6};
    case 11:
        return {2, 1, 6};
    case 12:
        return {1, 0, 2};
    case 13:
        return {1, 0, 1};
    case 14:
        return {5, 2, 20};
    case 15:
        return {19, 5, 23};
    case 16:
        return {5, 4, 11};
    case 17:
        return {19, 13, 21};
    }
    return {1, 0, 255}; // 18 and 20
}

// The faulty line as a message may show it: printable, at most 40 characters.
std::string Zeigbar(const std::string& s) {
    std::string aus;
    size_t i = 0;
    int zeichen = 0;
    for (; i < s.size() && zeichen < 40; ++zeichen) {
        const auto c = static_cast<unsigned char>(s[i]);
        const size_t laenge = c < 0x80           ? 1
                              : (c >> 5) == 0x6  ? 2
                              : (c >> 4) == 0xE  ? 3
                              : (c >> 3) == 0x1E ? 4
                                                 : 0;
        bool gueltig = laenge > 0 && i + laenge <= s.size();
        for (size_t k = 1; gueltig && k < laenge; ++k)
            gueltig = (static_cast<unsigned char>(s[i + k]) & 0xC0) == 0x80;
        if (!gueltig || c < 0x20 || c == 0x7F) {
            aus += '?';
            ++i;
        } else {
            aus.append(s, i, laenge);
            i += laenge;
        }
    }
    if (i < s.size()) aus += "\xE2\x80\xA6"; // "…"
    return aus;
}

// Applies one line to the copy; false when the line is faulty.
bool ZeileLesen(Einlesung& e, const Sonnenuhr& ausgang, LeseAbsender absender, int k,
                const std::string& t) {
    DialParams& p = e.konfig.p;
    Optionen& o = e.konfig.opt;
    if (k == 1) {
        auto j = LiesGanzzahl(t);
        if (j && (*j < 1700 || *j > 2100)) return false;
        p.Jahr = j ? static_cast<std::int32_t>(*j) : 2002;
        // As the year field does: no 29 February outside leap years.
        if (o.ExtraTag == 29 && o.ExtraMonat == 2 && !IstSchaltjahr(p.Jahr)) {
            o.ExtraTag = 28;
            o.ExtraDatumText = "28/02";
            o.ExtraDatumName = std::string("28. ") + lang::MonatsNamen[2];
        }
    } else if (k <= 9) {
        auto v = LiesZahl(t);
        // As the file will hold it when saved, so that it loads again unchanged
        // (a seventh decimal was kept and then lost on saving).
        if (v) v = FestWert(*v);
        if (!v || !RealErlaubt(k, *v)) return false;
        double w = *v;
        if (k != 6) {
            // The window stores these instead of a right angle or the equator.
            if (std::fabs(std::fabs(w) - 90) < 1e-7) w = w > 0 ? 89.9999999 : -89.9999999;
            if (k == 2 && std::fabs(w) < 0.005) w = 0.005;
        }
        RealFeld(p, k) = w;
    } else if (k <= 18 || k == 20) {
        const GanzRegel r = GanzRegelFuer(k);
        auto g = LiesGanzzahl(t);
        long long v = g ? *g : r.vorgabe;
        if (v < r.min || v > r.max || (k == 10 && (v == 4 || v == 5))) return false;
        switch (k) {
        case 10:
            p.Anzahl = static_cast<std::uint8_t>(v);
            break;
        case 11:
            p.Lph = static_cast<std::uint8_t>(v);
            break;
        case 12:
            p.Arten = static_cast<std::uint8_t>(v);
            break;
        case 13:
            p.Zonenzeit = static_cast<std::uint8_t>(v);
            break;
        case 14:
            o.StdVon = static_cast<std::int16_t>(v);
            break;
        case 15:
            o.StdBis = static_cast<std::int16_t>(v);
            // Hour marks and shadow path share 126 points: checked once the
            // file has given all three values that size them.
            return ausgang.StundenBereichErlaubt(o.StdVon, o.StdBis, p.Lph);
        case 16:
            o.FehlVon = static_cast<std::int16_t>(v);
            break;
        case 17:
            o.FehlBis = static_cast<std::int16_t>(v);
            break;
        case 18:
            p.Mittelwert = static_cast<std::uint8_t>(v > 4 ? 0 : v);
            break;
        case 20:
            o.DefaultWerte = v == 0;
            break;
        }
    } else if (k == 19) {
        DatumErgebnis d = DatumLesen(o, p.Jahr, absender, t);
        e.datumUnlesbar = d.unlesbar;
        if (!d.text.empty()) o.ExtraDatumText = d.text;
        if (!d.name.empty()) o.ExtraDatumName = d.name;
    } else if (k == 21) {
        e.konfig.spracheDeutsch = t == "Deutsch";
    } else if (k == 22) {
        if (t.empty()) return false;
        e.konfig.riseSetHaken = t[0] == 'j';
        o.Genau = t.size() > 1 && t[1] == 'j';
        o.MarkRiseSet = e.konfig.riseSetHaken && e.konfig.riseSetAktiv;
    } else if (k <= KonfigZeilenAnzahl) {
        return t.empty() || StundenlisteLesen(e.konfig.stundenEingabe, k - 22, t);
    }
    // Lines after the 26th hold the site (KonfigOrt.cpp), read as a whole.
    return true;
}

} // namespace

DatumErgebnis DatumLesen(Optionen& opt, int jahr, LeseAbsender absender, const std::string& text) {
    DatumErgebnis e;
    e.fehler = text.empty();
    std::string tagText = text.substr(0, 2);
    std::string monatText;
    if (auto strich = text.find('/'); strich != std::string::npos)
        monatText = text.substr(strich + 1, 2);
    if (tagText.size() == 2 && (tagText[1] == ' ' || tagText[1] == '/')) tagText.resize(1);
    if (monatText.size() == 2 && monatText[1] == ' ') monatText.resize(1);
    auto tag = LiesGanzzahl(tagText);
    auto monat = LiesGanzzahl(monatText);
    if (!tag || !monat) {
        e.unlesbar = true;
        if (absender == LeseAbsender::Hauptfenster) {
            opt.ExtraTag = 1;
            opt.ExtraMonat = 8;
            e.text = "01/08";
            e.name = std::string("01. ") + lang::MonatsNamen[8];
        }
        return e;
    }
    if (!DatumGueltig(*tag, *monat, jahr)) {
        // The date in force stays, so it always matches the field's text.
        e.fehler = true;
        return e;
    }
    const int t = static_cast<int>(*tag), m = static_cast<int>(*monat);
    opt.ExtraTag = static_cast<std::int16_t>(t);
    opt.ExtraMonat = static_cast<std::int16_t>(m);
    e.text = ZweiStellen(t) + "/" + ZweiStellen(m);
    e.name = ZweiStellen(t) + ". " + lang::MonatsNamen[m];
    return e;
}

bool StundenlisteLesen(Gitter& g, int spalte, const std::string& text) {
    int zeile = 1;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t strich = text.find('/', pos);
        if (strich == std::string::npos) return false;
        std::string eintrag = text.substr(pos, strich - pos);
        // The table holds numbers only, and no more rows than it has.
        if (zeile > EinZeilen || (!eintrag.empty() && !LiesZahl(eintrag))) return false;
        g.Setze(spalte, zeile++, std::move(eintrag));
        pos = strich + 1;
    }
    g.Setze(spalte, zeile, "");
    return true;
}

bool StundenlisteLesen(Sonnenuhr& uhr, int spalte, const std::string& text) {
    return StundenlisteLesen(uhr.tab.StrGridEin, spalte, text);
}

std::vector<std::string> ZeilenAusText(std::string_view bytes) {
    const bool utf8 = bytes.starts_with("\xEF\xBB\xBF");
    if (utf8) bytes.remove_prefix(3);
    std::vector<std::string> zeilen;
    while (!bytes.empty()) {
        const size_t ende = bytes.find('\n');
        std::string_view z = bytes.substr(0, ende);
        if (!z.empty() && z.back() == '\r') z.remove_suffix(1);
        zeilen.push_back(utf8 ? std::string(z) : lang::VonAnsi(std::string(z)));
        if (ende == std::string_view::npos) break;
        bytes.remove_prefix(ende + 1);
    }
    return zeilen;
}

Konfiguration KonfigurationVon(const Sonnenuhr& uhr) {
    return {uhr.p,
            uhr.opt,
            uhr.ort,
            uhr.sprache.SpracheDeutsch,
            uhr.anz.ChBRiseSetHaken,
            uhr.anz.ChBRiseSetAktiv,
            uhr.tab.StrGridEin};
}

Einlesung KonfigurationAusZeilen(const std::vector<std::string>& zeilen, const Sonnenuhr& ausgang,
                                 LeseAbsender absender) {
    Einlesung e;
    if (zeilen.empty()) {
        e.status = LeseStatus::Leer;
        return e;
    }
    e.konfig = KonfigurationVon(ausgang);
    auto stopp = [&](int k) {
        e.status = LeseStatus::Gestoppt;
        e.zeile = k;
        e.zeilenText = zeilen[static_cast<size_t>(k) - 1];
        e.konfig = {};
        return e;
    };
    const int n = static_cast<int>(zeilen.size());
    for (int k = 1; k <= n; ++k)
        if (!ZeileLesen(e, ausgang, absender, k, zeilen[static_cast<size_t>(k) - 1]))
            return stopp(k);
    // A file that ends between the hour lines must not leave a range the
    // tables cannot hold either.
    const Optionen& o = e.konfig.opt;
    if (!ausgang.StundenBereichErlaubt(o.StdVon, o.StdBis, e.konfig.p.Lph))
        return stopp(std::min(n, KonfigZeilenAnzahl));
    e.konfig.p.GnomInc = GnomNeigung(e.konfig.p.GnomWinkel);
    const OrtLesung ort = OrtZeilenLesen(zeilen, ausgang.ort);
    e.konfig.ort = ort.ort;
    e.ortZeile = ort.beschaedigteZeile;
    return e;
}

Einlesung KonfigurationAusText(std::string_view bytes, const Sonnenuhr& ausgang,
                               LeseAbsender absender) {
    return KonfigurationAusZeilen(ZeilenAusText(bytes), ausgang, absender);
}

void Uebernehmen(Sonnenuhr& uhr, const Einlesung& e) {
    const Konfiguration& k = e.konfig;
    uhr.p = k.p;
    uhr.opt = k.opt;
    uhr.ort = k.ort;
    uhr.sprache.SpracheDeutsch = k.spracheDeutsch;
    uhr.anz.ChBRiseSetHaken = k.riseSetHaken;
    uhr.tab.StrGridEin = k.stundenEingabe;
    uhr.Abgeleitet();
    // The summer time of the zone in the file's year.
    if (uhr.zeitzoneAbgleichen) uhr.zeitzoneAbgleichen();
    if (e.datumUnlesbar) uhr.MeldeNr(17, lang::Titel::Fehler, Symbol::Fehler);
    if (e.ortZeile != 0)
        uhr.Melde(lang::Einsetzen(lang::Text(uhr.sprache.Sprache, lang::OrtZeileBeschaedigt),
                                  {std::to_string(e.ortZeile)}),
                  lang::Titel::Warnung, Symbol::Warnung);
}

LeseErgebnis KonfigurationLesen(Sonnenuhr& uhr, LeseAbsender absender,
                                const std::vector<std::string>& zeilen) {
    const Einlesung e = KonfigurationAusZeilen(zeilen, uhr, absender);
    switch (e.status) {
    case LeseStatus::Leer:
        uhr.MeldeNr(29, lang::Titel::Fehler, Symbol::Fehler, "File ");
        break;
    case LeseStatus::Gestoppt:
        uhr.Melde("Error during File Input!\n" +
                      lang::KonfigFehlerZeile(uhr.sprache.Sprache, e.zeile, Zeigbar(e.zeilenText)),
                  lang::Titel::Fehler, Symbol::Fehler);
        break;
    case LeseStatus::Gelesen:
        Uebernehmen(uhr, e);
        break;
    }
    return {e.status, e.zeile};
}

} // namespace skiora::config

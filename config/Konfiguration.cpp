#include "Konfiguration.h"

#include "core/Sonne.h"
#include "core/Sonnenuhr.h"
#include "core/Zahlen.h"

#include <charconv>
#include <cmath>
#include <ostream>

namespace skiora::config {

namespace {

constexpr int EinZeilen = 30; // data rows of the hour-input table

// Fixed point with 6 decimals after rounding to 10 significant digits, so a
// value read back from the file writes the same text again.
std::string FestText(double v) {
    char puffer[400];
    auto r = std::to_chars(puffer, puffer + sizeof puffer, v, std::chars_format::scientific, 9);
    double gerundet = v;
    std::from_chars(puffer, r.ptr, gerundet);
    r = std::to_chars(puffer, puffer + sizeof puffer, gerundet, std::chars_format::fixed, 6);
    if (r.ec != std::errc()) return "0.000000";
    return std::string(puffer, r.ptr);
}

std::string ZweiStellen(int n) {
    std::string s = std::to_string(n);
    return s.size() < 2 ? "0" + s : s;
}

bool NurLeer(const std::string& s) {
    return s.find_first_not_of(" /") == std::string::npos;
}

// Range of a real-number line, as the window's field check has it.
bool RealErlaubt(int zeile, double v) {
    // Line 6 holds GnomWinkel, the field GnomInc = GnomWinkel - 90.
    constexpr Feld felder[] = {Feld::eBreit,   Feld::eLang,  Feld::eZone, Feld::eIncl,
                               Feld::eGnomInc, Feld::eHoehe, Feld::eHalb, Feld::eRiseSet};
    if (zeile < 2 || zeile > 9) return false;
    return WertImBereich(felder[zeile - 2], zeile == 6 ? v - 90 : v);
}

double* RealFeld(Sonnenuhr& uhr, int zeile) {
    DialParams& p = uhr.p;
    double* felder[] = {&p.Breit,      &p.Lang,  &p.Zone, &p.Incl,
                        &p.GnomWinkel, &p.Hoehe, &p.Halb, &p.RiseSet};
    return felder[zeile - 2];
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
    case 18:
        return {1, 0, 255};
    case 20:
        return {1, 0, 255};
    }
    return {0, 0, 0};
}

} // namespace

std::vector<std::string> StundenlistenSchreiben(const Sonnenuhr& uhr) {
    const Gitter& g = uhr.tab.StrGridEin;
    std::vector<std::string> listen(4);
    for (int erste : {1, 3}) {
        // Rows while the hour cell is filled; the second column follows them,
        // empty cells included.
        for (int zeile = 1; zeile <= EinZeilen && !g.Zelle(erste, zeile).empty(); ++zeile) {
            listen[erste - 1] += g.Zelle(erste, zeile) + "/";
            listen[erste] += g.Zelle(erste + 1, zeile) + "/";
        }
    }
    return listen;
}

std::vector<std::string> KonfigurationSchreiben(const Sonnenuhr& uhr) {
    const DialParams& p = uhr.p;
    const Optionen& o = uhr.opt;
    std::vector<std::string> z;
    z.reserve(KonfigZeilenAnzahl);
    z.push_back(std::to_string(p.Jahr));
    for (double v : {p.Breit, p.Lang, p.Zone, p.Incl, p.GnomWinkel, p.Hoehe, p.Halb, p.RiseSet})
        z.push_back(FestText(v));
    for (int v : {p.Anzahl, p.Lph, p.Arten, p.Zonenzeit})
        z.push_back(std::to_string(v));
    for (int v : {o.StdVon, o.StdBis, o.FehlVon, o.FehlBis})
        z.push_back(std::to_string(v));
    z.push_back(std::to_string(p.Mittelwert));
    // A refused date leaves the field blank while the last valid date stays
    // in force; write that date so the file keeps it.
    z.push_back(NurLeer(o.ExtraDatumText)
                    ? ZweiStellen(o.ExtraTag) + "/" + ZweiStellen(o.ExtraMonat)
                    : o.ExtraDatumText);
    z.push_back(o.DefaultWerte ? "0" : "1");
    z.push_back(uhr.sprache.SpracheDeutsch ? "Deutsch" : "English");
    z.push_back(std::string(1, uhr.anz.ChBRiseSetHaken ? 'j' : 'n') + (o.Genau ? 'j' : 'n'));
    for (auto& liste : StundenlistenSchreiben(uhr))
        z.push_back(liste);
    return z;
}

DatumErgebnis DatumLesen(Sonnenuhr& uhr, LeseAbsender absender, const std::string& text) {
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
        uhr.MeldeNr(17, lang::Titel::Fehler, Symbol::Fehler);
        if (absender == LeseAbsender::Hauptfenster) {
            uhr.opt.ExtraTag = 1;
            uhr.opt.ExtraMonat = 8;
            e.text = "01/08";
            e.name = std::string("01. ") + lang::MonatsNamen[8];
        }
        return e;
    }
    if (!DatumGueltig(*tag, *monat, uhr.p.Jahr)) {
        // The date in force stays, so it always matches the field's text.
        e.fehler = true;
        return e;
    }
    const int t = static_cast<int>(*tag), m = static_cast<int>(*monat);
    uhr.opt.ExtraTag = static_cast<std::int16_t>(t);
    uhr.opt.ExtraMonat = static_cast<std::int16_t>(m);
    e.text = ZweiStellen(t) + "/" + ZweiStellen(m);
    e.name = ZweiStellen(t) + ". " + lang::MonatsNamen[m];
    return e;
}

bool StundenlisteLesen(Sonnenuhr& uhr, int spalte, const std::string& text) {
    Gitter& g = uhr.tab.StrGridEin;
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

LeseErgebnis KonfigurationLesen(Sonnenuhr& uhr, LeseAbsender absender,
                                const std::vector<std::string>& zeilen) {
    if (zeilen.empty()) {
        uhr.MeldeNr(29, lang::Titel::Fehler, Symbol::Fehler, "File ");
        return {LeseStatus::Leer, 0};
    }
    DialParams& p = uhr.p;
    Optionen& o = uhr.opt;
    // Hour marks and shadow path share 126 points: the three values that
    // size them are checked together once the file has given them all.
    const auto altVon = o.StdVon, altBis = o.StdBis;
    const auto altLph = p.Lph;
    auto bereichOk = [&] { return uhr.StundenBereichErlaubt(o.StdVon, o.StdBis, p.Lph); };
    auto stopp = [&](int zeile) {
        if (!bereichOk()) {
            o.StdVon = altVon;
            o.StdBis = altBis;
            p.Lph = altLph;
        }
        uhr.Melde("Error during File Input!", lang::Titel::Fehler, Symbol::Fehler);
        return LeseErgebnis{LeseStatus::Gestoppt, zeile};
    };

    const int n = std::min<int>(static_cast<int>(zeilen.size()), KonfigZeilenAnzahl);
    for (int k = 1; k <= n; ++k) {
        const std::string& t = zeilen[k - 1];
        if (k == 1) {
            auto j = LiesGanzzahl(t);
            if (j && (*j < 1700 || *j > 2100)) return stopp(k);
            p.Jahr = j ? static_cast<std::int32_t>(*j) : 2002;
            // As the year field does: no 29 February outside leap years.
            if (o.ExtraTag == 29 && o.ExtraMonat == 2 && !IstSchaltjahr(p.Jahr)) {
                o.ExtraTag = 28;
                o.ExtraDatumText = "28/02";
                o.ExtraDatumName = std::string("28. ") + lang::MonatsNamen[2];
            }
        } else if (k <= 9) {
            auto v = LiesZahl(t);
            if (!v || !RealErlaubt(k, *v)) return stopp(k);
            double w = *v;
            if (k != 6) {
                // The window stores these instead of a right angle or the equator.
                if (std::fabs(std::fabs(w) - 90) < 1e-7) w = w > 0 ? 89.9999999 : -89.9999999;
                if (k == 2 && std::fabs(w) < 0.005) w = 0.005;
            }
            *RealFeld(uhr, k) = w;
        } else if (k <= 18 || k == 20) {
            const GanzRegel r = GanzRegelFuer(k);
            auto g = LiesGanzzahl(t);
            long long v = g ? *g : r.vorgabe;
            if (v < r.min || v > r.max || (k == 10 && (v == 4 || v == 5))) return stopp(k);
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
                if (!bereichOk()) return stopp(k);
                break;
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
            DatumErgebnis d = DatumLesen(uhr, absender, t);
            if (!d.text.empty()) o.ExtraDatumText = d.text;
            if (!d.name.empty()) o.ExtraDatumName = d.name;
        } else if (k == 21) {
            uhr.sprache.SpracheDeutsch = t == "Deutsch";
        } else if (k == 22) {
            if (t.empty()) return stopp(k);
            uhr.anz.ChBRiseSetHaken = t[0] == 'j';
            o.Genau = t.size() > 1 && t[1] == 'j';
            o.MarkRiseSet = uhr.anz.ChBRiseSetHaken && uhr.anz.ChBRiseSetAktiv;
        } else if (!t.empty() && !StundenlisteLesen(uhr, k - 22, t)) {
            return stopp(k);
        }
    }
    // A file that ends between the hour lines must not leave a range
    // the tables cannot hold either.
    if (!bereichOk()) return stopp(n);

    p.GnomInc = p.GnomWinkel - 90;
    if (std::fabs(std::fabs(p.GnomInc) - 90) < 1e-7) p.GnomInc += 1e-6;
    uhr.Abgeleitet();
    return {LeseStatus::Gelesen, 0};
}

void KonfigurationSchreiben(const Sonnenuhr& uhr, std::ostream& aus) {
    aus.imbue(std::locale::classic());
    for (const auto& z : KonfigurationSchreiben(uhr))
        aus << lang::NachAnsi(z) << "\r\n";
}

} // namespace skiora::config

// Configuration files on disk: loading, saving, the start configuration.
#include "Konfiguration.h"

#include "core/Sonnenuhr.h"
#include "core/Zahlen.h"
#include "lang/KonfigTexte.h"

#include <cmath>
#include <filesystem>

namespace fs = std::filesystem;

namespace skiora::config {

DateiZeilen KonfigDateiLesen(const std::string& pfad, int sprache) {
    datei::Gelesen g = datei::BegrenztLesen(pfad, KonfigGrenze, sprache);
    if (!g.ergebnis) return {std::nullopt, g.ergebnis.meldung};
    if (g.zuGross) return {std::nullopt, lang::KonfigDateiZuGross(sprache, pfad, KonfigGrenze)};
    auto zeilen = ZeilenAusText(g.inhalt);
    if (zeilen.empty()) return {std::nullopt, lang::KonfigDateiLeer(sprache, pfad)};
    return {std::move(zeilen), {}};
}

std::optional<std::vector<std::string>> ZeilenLaden(const std::string& pfad) {
    return KonfigDateiLesen(pfad, 1).zeilen;
}

datei::Ergebnis ZeilenSpeichern(const std::string& pfad, const std::vector<std::string>& zeilen,
                                int sprache) {
    return datei::SicherSchreiben(pfad, DateiText(zeilen), sprache);
}

std::string ProgVerz(const std::string& programmPfad) {
    fs::path p(programmPfad);
    if (!p.has_parent_path()) {
        // Started through the search path: ask the system where the program is.
        std::error_code ec;
        fs::path exe = fs::read_symlink("/proc/self/exe", ec);
        if (!ec) p = exe;
    }
    std::string d = p.parent_path().string();
    if (!d.empty() && d.back() != '/') d += '/';
    return d;
}

bool KonfigurationLaden(Sonnenuhr& uhr, const std::string& pfad, LeseAbsender absender,
                        Sprachwahl sprachwahl) {
    const DateiZeilen d = KonfigDateiLesen(pfad, uhr.sprache.Sprache);
    if (!d.zeilen) {
        uhr.Melde(lang::Meldung(uhr.sprache.Sprache, 7) + "\n" + d.grund, lang::Titel::Fehler,
                  Symbol::Fehler);
        return false;
    }
    const auto& zeilen = *d.zeilen;
    if (sprachwahl == Sprachwahl::AusDatei && zeilen.size() >= 21)
        uhr.sprache.Waehle(zeilen[20] == "Deutsch");
    if (KonfigurationLesen(uhr, absender, zeilen).status != LeseStatus::Gelesen) return false;
    NachLadenAbgleichen(uhr);
    return true;
}

void NachLadenAbgleichen(Sonnenuhr& uhr) {
    // What copying the parameters into the controls decides on the document.
    uhr.Modusumschaltung();
    uhr.anz.Label4Tag = uhr.p.Mittelwert + 19;
    uhr.anz.lDek0 = ZahlText(7, 2, uhr.p.RiseSet);
    uhr.opt.MarkRiseSet = uhr.anz.ChBRiseSetHaken && uhr.anz.ChBRiseSetAktiv;
    uhr.Abgeleitet();
    uhr.anz.pErrGraphSichtbar =
        uhr.p.Arten < 2 && (std::fabs(uhr.p.Incl) <= 0.01 || std::fabs(uhr.p.GnomInc) <= 0.01);
    uhr.anz.pSplitSichtbar = uhr.p.Arten == 2;
    uhr.ansicht = Ansicht{};
}

void NachLadenRechnen(Sonnenuhr& uhr) {
    if (uhr.p.Arten == 2) {
        // The split date scales belong to the loaded dial only after their
        // method ran; the driver runs it and checks the gnomon first.
        uhr.btGoClick();
        return;
    }
    uhr.DatumsTabelle();
    if (uhr.StundenBereichErlaubt(uhr.opt.StdVon, uhr.opt.StdBis, uhr.p.Lph)) {
        uhr.Schattenweg(uhr.p.Jahr, uhr.opt.ExtraTag, uhr.opt.ExtraMonat);
        uhr.StundenTabelle();
    }
    if (uhr.neuZeichnen) uhr.neuZeichnen();
}

StartErgebnis StartKonfigurationLesen(Sonnenuhr& uhr, const std::string& progVerz,
                                      Sprachwahl sprachwahl) {
    const std::pair<const char*, StartQuelle> kandidaten[] = {
        {"skiora.ini", StartQuelle::SkioraIni}, {"start.adt", StartQuelle::StartAdt}};
    for (auto [name, quelle] : kandidaten) {
        std::error_code ec;
        const std::string pfad = progVerz + name;
        if (!fs::exists(pfad, ec)) continue;
        const DateiZeilen d = KonfigDateiLesen(pfad, uhr.sprache.Sprache);
        if (!d.zeilen) {
            uhr.Melde(lang::Meldung(uhr.sprache.Sprache, 7) + "\n" + d.grund, lang::Titel::Fehler,
                      Symbol::Fehler);
            return {quelle, false};
        }
        if (sprachwahl == Sprachwahl::AusDatei && d.zeilen->size() >= 21)
            uhr.sprache.Waehle((*d.zeilen)[20] == "Deutsch");
        const LeseErgebnis e = KonfigurationLesen(uhr, LeseAbsender::Hauptfenster, *d.zeilen);
        return {quelle, e.status == LeseStatus::Gelesen};
    }
    // Neither file: the built-in dial with its extra date "01/05" stays.
    return {StartQuelle::Keine, true};
}

bool KonfigurationSpeichern(Sonnenuhr& uhr, const std::string& pfad) {
    const datei::Ergebnis e =
        ZeilenSpeichern(pfad, KonfigurationSchreiben(uhr), uhr.sprache.Sprache);
    if (e) return true;
    uhr.MeldeNr(18, lang::Titel::Fehler, Symbol::Fehler, pfad, "\n" + e.meldung);
    return false;
}

bool StartKonfigurationSpeichern(Sonnenuhr& uhr, const std::string& progVerz) {
    if (!KonfigurationSpeichern(uhr, progVerz + "skiora.ini")) return false;
    uhr.MeldeNr(15, lang::Titel::Info, Symbol::Info, "\"skiora.ini\" : ");
    return true;
}

} // namespace skiora::config

// Configuration files on disk: loading, saving, the start configuration.
#include "Konfiguration.h"

#include "core/Sonnenuhr.h"
#include "core/Zahlen.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace skiora::config {

std::optional<std::vector<std::string>> ZeilenLaden(const std::string& pfad) {
    std::error_code ec;
    if (fs::is_directory(pfad, ec)) return std::nullopt;
    std::ifstream ein(pfad, std::ios::binary);
    if (!ein) return std::nullopt;
    std::string inhalt((std::istreambuf_iterator<char>(ein)), std::istreambuf_iterator<char>());
    if (ein.bad()) return std::nullopt;

    std::vector<std::string> zeilen;
    size_t pos = 0;
    while (pos < inhalt.size()) {
        size_t ende = inhalt.find('\n', pos);
        std::string z =
            inhalt.substr(pos, ende == std::string::npos ? std::string::npos : ende - pos);
        if (!z.empty() && z.back() == '\r') z.pop_back();
        zeilen.push_back(lang::VonAnsi(z));
        if (ende == std::string::npos) break;
        pos = ende + 1;
    }
    return zeilen;
}

bool ZeilenSpeichern(const std::string& pfad, const std::vector<std::string>& zeilen) {
    // A name of our own beside the target, so the rename stays on one file system.
    static std::atomic<unsigned> zaehler{0};
    const auto jetzt = std::chrono::steady_clock::now().time_since_epoch().count();
    const std::string temp =
        pfad + ".~" + std::to_string(jetzt % 1000000007) + "-" + std::to_string(zaehler++);
    std::error_code ec;
    bool ok = false;
    {
        std::ofstream aus(temp, std::ios::binary | std::ios::trunc);
        if (aus) {
            aus.imbue(std::locale::classic());
            for (const auto& z : zeilen)
                aus << lang::NachAnsi(z) << "\r\n";
            aus.flush();
            ok = aus.good();
            aus.close();
            ok = ok && !aus.fail();
        }
    }
    if (ok && !fs::is_directory(pfad, ec)) {
        fs::rename(temp, pfad, ec);
        ok = !ec;
    } else {
        ok = false;
    }
    if (!ok) fs::remove(temp, ec);
    return ok;
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

bool KonfigurationLaden(Sonnenuhr& uhr, const std::string& pfad, LeseAbsender absender) {
    auto zeilen = ZeilenLaden(pfad);
    if (!zeilen) {
        uhr.MeldeNr(7, lang::Titel::Info, Symbol::Fehler);
        return false;
    }
    LeseErgebnis e = KonfigurationLesen(uhr, absender, *zeilen);

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
    return e.status == LeseStatus::Gelesen;
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

StartErgebnis StartKonfigurationLesen(Sonnenuhr& uhr, const std::string& progVerz) {
    const std::pair<const char*, StartQuelle> kandidaten[] = {
        {"skiora.ini", StartQuelle::SkioraIni}, {"start.adt", StartQuelle::StartAdt}};
    for (auto [name, quelle] : kandidaten) {
        std::error_code ec;
        const std::string pfad = progVerz + name;
        if (!fs::exists(pfad, ec)) continue;
        auto zeilen = ZeilenLaden(pfad);
        if (!zeilen) {
            uhr.MeldeNr(7, lang::Titel::Info, Symbol::Fehler);
            return {quelle, false};
        }
        LeseErgebnis e = KonfigurationLesen(uhr, LeseAbsender::Hauptfenster, *zeilen);
        uhr.Abgeleitet();
        return {quelle, e.status == LeseStatus::Gelesen};
    }
    // Neither file: the built-in dial with its extra date "01/05" stays.
    return {StartQuelle::Keine, true};
}

bool KonfigurationSpeichern(Sonnenuhr& uhr, const std::string& pfad) {
    if (ZeilenSpeichern(pfad, KonfigurationSchreiben(uhr))) return true;
    uhr.MeldeNr(18, lang::Titel::Fehler, Symbol::Fehler, pfad);
    return false;
}

bool StartKonfigurationSpeichern(Sonnenuhr& uhr, const std::string& progVerz) {
    if (!KonfigurationSpeichern(uhr, progVerz + "skiora.ini")) return false;
    uhr.MeldeNr(15, lang::Titel::Info, Symbol::Info, "\"skiora.ini\" : ");
    return true;
}

} // namespace skiora::config

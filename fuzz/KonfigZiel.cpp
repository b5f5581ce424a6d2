// Fuzz target: any bytes as a configuration file, loaded as the load command
// does it. A file is either refused, with the dial untouched, or it gives a
// dial whose every parameter lies in its range, whose tables hold no
// "nan" or "inf", and which saved and loaded again is the same dial.
#include "config/Konfiguration.h"
#include "core/Sonne.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace {

using namespace skiora;

void Pruefe(bool bedingung, const std::string& was) {
    if (bedingung) return;
    std::fprintf(stderr, "configuration: %s\n", was.c_str());
    std::abort();
}

// A file in memory, so that the reading goes through the file path.
const std::string& Datei(std::string_view inhalt) {
    static const int fd = ::memfd_create("skiora-konfig", 0);
    static const std::string pfad = "/proc/self/fd/" + std::to_string(fd);
    Pruefe(fd >= 0 && ::ftruncate(fd, 0) == 0 &&
               ::pwrite(fd, inhalt.data(), inhalt.size(), 0) == static_cast<ssize_t>(inhalt.size()),
           "no file in memory");
    return pfad;
}

// The load command: read, apply, calculate. False when the file was refused.
bool Laden(Sonnenuhr& uhr, std::string_view inhalt) {
    if (!config::KonfigurationLaden(uhr, Datei(inhalt))) return false;
    config::NachLadenRechnen(uhr);
    return true;
}

// The result tables, and the hour-input table when `eingabe` is set.
std::string AlleZellen(const Sonnenuhr& uhr, bool eingabe) {
    std::string alle;
    for (const Gitter* g : {&uhr.tab.StrGridStd, &uhr.tab.StrGridShad, &uhr.tab.StrGridDat,
                            &uhr.tab.StrGrid8, &uhr.tab.StrGrid8b, &uhr.tab.StrMittel,
                            eingabe ? &uhr.tab.StrGridEin : &uhr.tab.StrMittel})
        for (int r = 0; r < g->Zeilen(); ++r)
            for (int c = 0; c < g->Spalten(); ++c)
                alle += g->Zelle(c, r) + "|";
    return alle;
}

void ImBereich(const Sonnenuhr& uhr) {
    const DialParams& p = uhr.p;
    const Optionen& o = uhr.opt;
    for (auto [feld, wert] : {std::pair{Feld::eBreit, p.Breit},
                              {Feld::eLang, p.Lang},
                              {Feld::eZone, p.Zone},
                              {Feld::eIncl, p.Incl},
                              {Feld::eGnomInc, p.GnomWinkel - 90},
                              {Feld::eHoehe, p.Hoehe},
                              {Feld::eHalb, p.Halb},
                              {Feld::eRiseSet, p.RiseSet}})
        Pruefe(WertImBereich(feld, wert), "a real parameter out of range");
    Pruefe(p.Jahr >= 1700 && p.Jahr <= 2100, "year");
    Pruefe(p.Anzahl == 1 || p.Anzahl == 2 || p.Anzahl == 3 || p.Anzahl == 6, "marks a month");
    Pruefe(p.Lph >= 1 && p.Lph <= 6 && p.Arten <= 2 && p.Zonenzeit <= 1 && p.Mittelwert <= 4,
           "a choice out of range");
    Pruefe(o.StdVon >= 2 && o.StdBis <= 23 && o.FehlVon >= 4 && o.FehlBis <= 21, "hours");
    Pruefe(uhr.StundenBereichErlaubt(o.StdVon, o.StdBis, p.Lph), "too many hour points");
    const int tage[] = {31, IstSchaltjahr(p.Jahr) ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30,
                        31};
    Pruefe(o.ExtraMonat >= 1 && o.ExtraMonat <= 12 && o.ExtraTag >= 1 &&
               o.ExtraTag <= tage[o.ExtraMonat - 1],
           "extra date");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view bytes(reinterpret_cast<const char*>(daten), groesse);
    SammelMelder melder;
    Sonnenuhr uhr;
    uhr.setzeMelder(&melder);
    const std::string vorher = config::KonfigurationText(uhr);
    if (!Laden(uhr, bytes)) {
        Pruefe(config::KonfigurationText(uhr) == vorher, "a refused file changed the dial");
        return 0;
    }
    ImBereich(uhr);
    const std::string tabellen = AlleZellen(uhr, true);
    Pruefe(tabellen.find("nan") == std::string::npos && tabellen.find("inf") == std::string::npos,
           "a table cell that is no number");

    // Saved and loaded again: the same file, the same results. (The file keeps
    // the hour-input table's pairs of columns while the first is filled; a
    // second column's value below that, which no method reads, is not kept.)
    const std::string gespeichert = config::KonfigurationText(uhr);
    Sonnenuhr wieder;
    wieder.setzeMelder(&melder);
    Pruefe(Laden(wieder, gespeichert), "a saved file does not load");
    Pruefe(config::KonfigurationText(wieder) == gespeichert, "the dial changed on its way");
    Pruefe(AlleZellen(wieder, false) == AlleZellen(uhr, false), "the tables changed on their way");
    return 0;
}

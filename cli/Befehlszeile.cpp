#include "Befehlszeile.h"

#include "Schritte.h"
#include "core/Sonnenuhr.h"
#include "core/Zahlen.h"
#include "export/Fertigung.h"

#include <cmath>
#include <set>

namespace skiora::cli {

bool Befehlszeile::hatAusgabe() const {
    return hilfe || !tabellen.empty() || saveConfig || png || svg || errorPng || printPdf ||
           listsPdf || hpgl || dxf || svgMm || dxfMm || noonTable || reachTable || layoutPdf ||
           tilesPdf;
}

std::string Gebrauch() {
    return "usage: skiora [--lang de|en] [CONFIG.ini|CONFIG.adt] [output options]\n"
           "  --table NAME FILE     NAME: hours shadow dates morning afternoon summary input\n"
           "  --distances           hour table as distances to the ends of the minor axis\n"
           "  --save-config FILE    write the configuration after loading and calculating\n"
           "  --png FILE [--svg FILE] [--size WxH] [--view ZOOM,DX,DY] [--error-png FILE]\n"
           "  --print-pdf FILE      the dial on A4 landscape\n"
           "  --lists-pdf FILE      all result lists\n"
           "  --hpgl FILE [--dxf FILE] [--scaled AXIS]\n"
           "  --svg-mm FILE, --dxf-mm FILE   the dial at true size (1:1) for cutting and CAD\n"
           "  --point-diameter D    hour points at true size (default 20 mm, 0.75 in)\n"
           "  --font-size H         text height at true size (default 20 mm, 0.75 in)\n"
           "  --units metric|imperial   millimetres and metres, or inches and feet\n"
           "  --layout-pdf FILE     the layout sheet (stake-out steps), A4 portrait\n"
           "  --tiles-pdf FILE [--scale N] [--paper A4|A3|Letter] [--part dial|dates]\n"
           "                        the dial at 1:N (default 1:1) on overlapping sheets\n"
           "  --noon-table FILE     true solar noon on every day of the year\n"
           "  --reach-table FILE    whether the readers' shadows reach the hour points\n"
           "  --heights H1,H2,...   heights of the readers, 1 to 4 of 0.5..2.5 m (1.2,1.8)\n"
           "  --place NAME          the most populous place of that name: latitude,\n"
           "                        longitude, zone meridian and time zone\n"
           "  --tz ZONE             a time zone alone (Europe/Berlin) for a site typed by hand\n"
           "  --summer-time         summer-time hour numbers beside the others\n"
           "  --help                this text\n"
           "Without output options the window opens.\n";
}

namespace {

bool zahlenListe(const std::string& s, std::vector<double>& out) {
    out.clear();
    size_t start = 0;
    while (true) {
        size_t komma = s.find(',', start);
        auto z = LiesZahl(
            s.substr(start, komma == std::string::npos ? std::string::npos : komma - start));
        if (!z) return false;
        out.push_back(*z);
        if (komma == std::string::npos) return true;
        start = komma + 1;
    }
}

} // namespace

ParseErgebnis Parse(const std::vector<std::string>& args) {
    static const std::set<std::string> tabellenNamen = {"hours",     "shadow",  "dates", "morning",
                                                        "afternoon", "summary", "input"};
    Befehlszeile bz;
    auto fehler = [](std::string t) { return ParseErgebnis{std::nullopt, std::move(t)}; };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        // Every value is checked here, before anything is written: a run
        // either refuses its command line or writes what it can.
        auto wert = [&](std::string& ziel) -> bool {
            if (i + 1 >= args.size()) return false;
            ziel = args[++i];
            return !ziel.empty();
        };
        std::string w;
        if (std::string f; SonnenOption(args, i, bz, f)) {
            if (!f.empty()) return fehler(f);
        } else if (a == "--help" || a == "-h") {
            bz.hilfe = true;
        } else if (a == "--lang") {
            if (!wert(w) || (w != "de" && w != "en")) return fehler("--lang takes de or en");
            bz.sprache = w;
        } else if (a == "--distances") {
            bz.distanzen = true;
        } else if (a == "--table") {
            std::string name, datei;
            if (!wert(name) || !wert(datei)) return fehler("--table takes NAME FILE");
            if (!tabellenNamen.count(name)) return fehler("unknown table: " + name);
            bz.tabellen.emplace_back(name, datei);
        } else if (a == "--save-config") {
            if (!wert(w)) return fehler("--save-config takes FILE");
            bz.saveConfig = w;
        } else if (a == "--png" || a == "--svg" || a == "--error-png" || a == "--print-pdf" ||
                   a == "--lists-pdf" || a == "--hpgl" || a == "--dxf") {
            if (!wert(w)) return fehler(a + " takes FILE");
            if (a == "--png")
                bz.png = w;
            else if (a == "--svg")
                bz.svg = w;
            else if (a == "--error-png")
                bz.errorPng = w;
            else if (a == "--print-pdf")
                bz.printPdf = w;
            else if (a == "--lists-pdf")
                bz.listsPdf = w;
            else if (a == "--hpgl")
                bz.hpgl = w;
            else
                bz.dxf = w;
        } else if (a == "--size") {
            if (!wert(w)) return fehler("--size takes WxH");
            auto x = w.find('x');
            auto bw = x == std::string::npos ? std::nullopt : LiesGanzzahl(w.substr(0, x));
            auto bh = x == std::string::npos ? std::nullopt : LiesGanzzahl(w.substr(x + 1));
            if (!bw || !bh || *bw < 50 || *bh < 50 || *bw > 10000 || *bh > 10000)
                return fehler("--size takes WxH, each 50..10000");
            bz.groesse = std::make_pair(static_cast<int>(*bw), static_cast<int>(*bh));
        } else if (a == "--view") {
            std::vector<double> z;
            if (!wert(w) || !zahlenListe(w, z) || z.size() != 3 || !(z[0] > 0) ||
                !(std::fabs(z[1]) <= GroesstesVerschieben) ||
                !(std::fabs(z[2]) <= GroesstesVerschieben))
                return fehler("--view takes ZOOM,DX,DY with ZOOM > 0 and DX, DY within "
                              "-10000000..10000000");
            bz.ansicht = std::array<double, 3>{z[0], z[1], z[2]};
        } else if (a == "--svg-mm" || a == "--dxf-mm") {
            if (!wert(w)) return fehler(a + " takes FILE");
            (a == "--svg-mm" ? bz.svgMm : bz.dxfMm) = w;
        } else if (a == "--units") {
            if (!wert(w) || (w != "metric" && w != "imperial"))
                return fehler("--units takes metric or imperial");
            bz.imperial = w == "imperial";
        } else if (a == "--point-diameter" || a == "--font-size") {
            auto z = wert(w) ? LiesZahl(w) : std::nullopt;
            if (!z) return fehler(a + " takes a number");
            (a == "--point-diameter" ? bz.punktDurchmesser : bz.schriftHoehe) = *z;
        } else if (a == "--scaled") {
            auto z = wert(w) ? LiesZahl(w) : std::nullopt;
            if (!z || !WertImBereich(Feld::EddxfAchs, *z))
                return fehler("--scaled takes AXIS, the plot's major half axis, from 2 to 20");
            bz.scaled = *z;
        } else if (a == "--place" || a == "--tz") {
            if (i + 1 >= args.size())
                return fehler(a + (a == "--tz" ? " takes ZONE" : " takes NAME"));
            w = args[++i];
            // An empty place name goes on to the site's check, which asks for a
            // name in the run's language.
            if (w.empty() && a == "--tz") return fehler("--tz takes ZONE");
            (a == "--tz" ? bz.zeitzone : bz.ort) = w;
        } else if (a == "--summer-time") {
            bz.sommerzeit = true;
        } else if (auto seiten = SeitenOption(args, i, bz)) {
            if (!seiten->empty()) return fehler(*seiten);
        } else if (a == "/debug" || a == "-debug") {
            bz.debug = true;
        } else if (!a.empty() && a[0] == '-' && a.size() > 1) {
            return fehler("unknown option: " + a);
        } else {
            if (bz.konfig) return fehler("only one configuration file may be given");
            bz.konfig = a;
        }
    }
    // The sizes in the unit of --units, which may come after them.
    const auto [min, max] = export_::GroessenBereich(bz.imperial ? export_::Einheit::Zoll
                                                                 : export_::Einheit::Millimeter);
    for (const auto& [option, z] : {std::pair{"--point-diameter", bz.punktDurchmesser},
                                    std::pair{"--font-size", bz.schriftHoehe}})
        if (z && !(*z >= min && *z <= max))
            return fehler(std::string(option) + " takes 0.1..1000 (mm), or 0.005..40 (in) " +
                          "with --units imperial");
    if (std::string f = SeitenOptionenPruefen(bz); !f.empty()) return fehler(f);
    return {bz, ""};
}

} // namespace skiora::cli

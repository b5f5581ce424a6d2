#pragma once
// The command line: skiora [--lang de|en] [CONFIG] [output options].
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace skiora::cli {

struct Befehlszeile {
    std::optional<std::string> sprache;                        // "de" or "en"
    bool distanzen = false;                                    // hour table as distances
    std::optional<std::string> konfig;                         // CONFIG.ini / CONFIG.adt
    std::vector<std::pair<std::string, std::string>> tabellen; // NAME, FILE
    std::optional<std::string> saveConfig;
    std::optional<std::string> png, svg, errorPng;
    std::optional<std::pair<int, int>> groesse;   // --size WxH
    std::optional<std::array<double, 3>> ansicht; // --view ZOOM,DX,DY
    std::optional<std::string> printPdf, listsPdf;
    std::optional<std::string> hpgl, dxf;
    std::optional<double> scaled;
    std::optional<std::string> ort;      // --place NAME
    std::optional<std::string> zeitzone; // --tz ZONE
    bool sommerzeit = false;             // --summer-time
    // --units metric|imperial: lengths of the true-size outputs in millimetres
    // and metres, or in inches and feet.
    bool imperial = false;
    // --svg-mm / --dxf-mm: the dial at 1:1 for cutting and CAD.
    std::optional<std::string> svgMm, dxfMm;
    // --point-diameter / --font-size, in millimetres (inches with imperial
    // units); checked positive.
    std::optional<double> punktDurchmesser, schriftHoehe;
    // The layout sheet and the full-size tiles (SeitenOptionen.cpp).
    std::optional<std::string> layoutPdf, tilesPdf;
    std::optional<double> massstab;          // --scale N: 1:N
    std::optional<std::string> papier, teil; // --paper A4|A3|Letter, --part dial|dates
    bool debug = false;                      // "/debug" or "-debug": help diagnostics
    bool hilfe = false;                      // --help: print the usage and stop

    // Sonnentabellen.cpp: --noon-table, --reach-table, --heights.
    std::optional<std::string> noonTable, reachTable;
    std::optional<std::vector<double>> hoehen;

    // True when the program should run without a window.
    bool hatAusgabe() const;
};

// The largest pan --view accepts, in pixels of the screen picture.
inline constexpr double GroesstesVerschieben = 1e7;

struct ParseErgebnis {
    std::optional<Befehlszeile> bz;
    std::string fehler; // usage error when bz is empty
};

// Checks every option and its value; what it accepts can be written.
ParseErgebnis Parse(const std::vector<std::string>& args);

// An option of the layout sheet or the tiles at args[i] (i moves past its
// value): nothing when args[i] is none of them, else "" or the usage error.
std::optional<std::string> SeitenOption(const std::vector<std::string>& args, size_t& i,
                                        Befehlszeile& bz);
// The tiles' choices without --tiles-pdf: the usage error, or "".
std::string SeitenOptionenPruefen(const Befehlszeile& bz);
std::string Gebrauch();

} // namespace skiora::cli

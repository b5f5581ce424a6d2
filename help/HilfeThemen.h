#pragma once
// Topic numbers of the help files. Every input control carries one as its
// help context; the help files hold an anchor "topic-N" for each number.
#include <array>
#include <string_view>

namespace skiora::help {

// Topics that no single control owns.
enum Thema : int {
    ThemaUebersicht = 1,    // overview; the help menu opens it
    ThemaFunktion = 2,      // how an analemmatic dial works
    ThemaAbsteckung = 3,    // laying the dial out on the ground
    ThemaDatum = 4,         // date marks on the minor axis and on the analemma
    ThemaSplit = 5,         // the split analemma and its five methods
    ThemaFehler = 6,        // reading the error tables
    ThemaExport = 7,        // HPGL and DXF export
    ThemaDrucken = 8,       // printing the drawing and the lists
    ThemaKonfig = 9,        // saving and loading configurations
    ThemaBefehlszeile = 10, // the command line
    ThemaTabellen = 11,     // the result pages and their CSV export
    ThemaOrt = 60,          // choosing the site: place search, time zone, readouts
    ThemaSommerzeit = 61,   // summer time and reading a dial with two sets of numbers
};

struct SteuerThema {
    std::string_view steuerelement; // object name of the control
    int thema;
};

inline constexpr std::array<SteuerThema, 29> HilfeThemen{{
    {"eBreit", 20},
    {"eLang", 21},
    {"eZone", 22},
    {"eHalb", 23},
    {"eIncl", 24},
    {"eGnomInc", 25},
    {"eHoehe", 26},
    {"ejahr", 27},
    {"eRiseSet", 28},
    {"MaskEdit1", 29},
    {"eStart", 30},
    {"eEnd", 31},
    {"eLph", 32},
    {"ChBRiseSet", 33},
    {"chBzonzeit", 34},
    {"chBSchatt", 35},
    {"rgArten", 40},
    {"rgAnzahl", 41},
    {"rgMittelwert", 42},
    {"efStart", 43},
    {"efEnd", 44},
    {"chbGenau", 45},
    {"StrGridEin", 46},
    {"rgDefault", 47},
    {"rgKoordAusg", 48},
    {"EddxfAchs", 50},
    {"rgDxf", 51},
    {"btOrt", ThemaOrt},
    {"chBSommerzeit", ThemaSommerzeit},
}};

// The help context of a control; 0 when it has none.
constexpr int HilfeThemaVon(std::string_view steuerelement) {
    for (const auto& e : HilfeThemen)
        if (e.steuerelement == steuerelement) return e.thema;
    return 0;
}

} // namespace skiora::help

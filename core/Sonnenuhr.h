#pragma once
// The document: one analemmatic dial with everything the program knows about
// it — parameters, options, results, result tables, view state, and the few
// control texts that reports and exports read. The window owns exactly one;
// tests and the command line make their own. Every handler of the window has
// its logic here as an operation that takes the control's text or state.
#include "Gitter.h"
#include "Melder.h"
#include "Reichweite.h"
#include "lang/Texte.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace skiora {

// The largest half axis and gnomon height the program takes: a dial of a
// kilometre drawn in millimetres. Far larger values overflow the date scale
// and the shadow path to infinity.
inline constexpr double GroessteLaenge = 1e6;

struct DialParams {
    double Breit = 47.25;
    double Lang = -9.59;
    double Zone = -15;
    double Incl = 0;
    double GnomWinkel = 90;
    double Hoehe = 1.7;
    double Halb = 2.75;
    double RiseSet = 20.2;
    double GnomInc = 0;
    std::uint8_t Anzahl = 3;
    std::uint8_t Lph = 2;
    std::uint8_t Arten = 1;
    std::uint8_t Mittelwert = 1;
    std::uint8_t Zonenzeit = 0;
    std::int32_t Jahr = 2002;

    bool operator==(const DialParams&) const = default;
};

// Option state beside the parameters.
struct Optionen {
    std::int16_t StdVon = 5;
    std::int16_t StdBis = 21;
    std::int16_t FehlVon = 8;
    std::int16_t FehlBis = 19;
    std::int16_t ExtraTag = 1;
    std::int16_t ExtraMonat = 5;
    std::string ExtraDatumText = "01/05";   // text of MaskEdit1
    std::string ExtraDatumName = "01. Mai"; // caption of lDat2
    bool ZeigeSchatten = true;
    bool MarkRiseSet = false;
    bool Genau = false;
    bool DefaultWerte = true; // rgDefault item 0
    bool KoordXY = true;      // rgKoordAusg item 0
    bool SplitModus = false;
    double DxfAchse = 0;
    bool Bereit = false;

    bool operator==(const Optionen&) const = default;
};

struct tSkioraPoint {
    std::string name; // "01.Jan " ; empty ends the list
    double decl = 0;
    double eot = 0;
    double x = 0;
    double y = 0;
    bool usable = false;
};

struct PunktZeit {
    double x = 0, y = 0, zeit = 0;
};

// Arrays keep the program's 1-based indexing: element 0 is unused.
using DatumsFeld = std::array<tSkioraPoint, 74>; // 1..73
using PunktFeld = std::array<PunktZeit, 127>;    // 1..126
using StundenListe = std::array<double, 31>;     // [0] = count, 1..30

inline constexpr double KeinSchatten = -7777.7;

struct Ergebnisse {
    PunktFeld StundenPunkte{};
    DatumsFeld DatumsPunkte{};
    double AufUntergangX = 0, AufUntergangY = 0;
    bool AufUntergangVorhanden = true; // false when sin(Breit) > cos(RiseSet)
    PunktFeld SchattenPunkte{};
    DatumsFeld SplitVor1{}, SplitNach1{}, SplitVor2{}, SplitNach2{};
    StundenListe StundenVor{}, StundenNach{}, GewichtVor{}, GewichtNach{};
    // Summary of the split analemma: [0] morning, [1] afternoon.
    double MaxFehler[2]{}, MittlFehler[2]{}, Streuung[2]{};
};

struct Tabellen {
    Gitter StrGridStd{16, 42};
    Gitter StrGridShad{16, 42};
    Gitter StrGridDat{7, 73};
    Gitter StrGrid8{19, 73};
    Gitter StrGrid8b{19, 73};
    Gitter StrMittel{3, 4};
    Gitter StrGridEin{5, 31};
};

// The site by name and its clock, from the place search or typed by hand.
// The core only reads these plain values; the site layer fills them.
struct Ortsangaben {
    std::string Name;        // the place chosen ("Berlin, Germany"), or empty
    std::string Zeitzone;    // IANA time zone ("Europe/Berlin"), or empty
    bool Sommerzeit = false; // option: summer-time hour numbers beside the others
    // The zone's summer time in the calculation year (northern or southern:
    // the end may come before the beginning in the year).
    bool HatSommerzeit = false;
    int SzBeginnTag = 0, SzBeginnMonat = 0; // first day on summer time
    int SzEndeTag = 0, SzEndeMonat = 0;     // first day back on standard time
    double SzVersatz = 1.0;                 // hours the clocks go forward
};

// Zoom and pan of the picture (not saved in configurations).
struct Ansicht {
    double Zoom = 1.0;
    std::int32_t DeltaX = 0;
    std::int32_t DeltaY = 0;
};

// Frame values, recomputed at the start of every drawing and read by the
// charts, printing and the plot.
struct Rahmen {
    std::int32_t BildBreite = 0, BildHoehe = 0;
    std::int32_t HalbBreite = 0, HalbHoehe = 0;
    std::int32_t RandX = 0, RandY = 0;
    std::int32_t PlotCentreX = 0, PlotCentreY = 0;
    std::int32_t SchirmBildBreite = 0, SchirmBildHoehe = 0;
    double Massstab = 1.0;
    // Split dial: the centres of the morning and the afternoon half.
    std::int32_t PlotLeftCentreX = 0, PlotRightCentreX = 0;
};

// Control state the document decides and the window mirrors.
struct Anzeige {
    std::string lKlein;           // " =" + b
    std::string lKoordAufUnter;   // "(±x.xxx/0.00)"
    std::string lDek0;            // RiseSet, 7.2
    std::string lmaxErrAbs;       // largest rise/set direction error (chart)
    bool ChBRiseSetAktiv = true;  // enabled: abs(Incl) <= 0.1
    bool ChBRiseSetHaken = false; // ticked
    bool pErrGraphSichtbar = true;
    bool pSplitSichtbar = false;
    bool tsSlopeSichtbar = false;
    int Label4Tag = 20;
    // The picture: cleared by a refused calculation, with its message line.
    bool BildGeloescht = false;
    std::string BildMeldung; // first 39 characters of the message
    // The last "Radien verschieden" report of the drawing, so that a repaint
    // of the same dial does not report it again.
    std::string RadienMeldung;
};

// Fields checked by eBreitExit.
enum class Feld {
    eBreit,
    eLang,
    eZone,
    eIncl,
    eGnomInc,
    eHoehe,
    eHalb,
    eRiseSet,
    ejahr,
    EddxfAchs
};

// The range a field accepts (the year has its own message and is not here).
bool WertImBereich(Feld feld, double v);
// GnomInc of a gnomon angle GnomWinkel, nudged off a right angle.
double GnomNeigung(double gnomWinkel);

// Who asked for a calculation: the final repaint depends on it.
enum class Absender { Sonstige, rgKoordAusg, btGo2, Feld, rgArten, rgMittelwert };

struct FeldErgebnis {
    bool gueltig = false;
    std::string text; // the text the field shows afterwards
};

class Sonnenuhr {
  public:
    Sonnenuhr();

    DialParams p;
    Optionen opt;
    Ergebnisse erg;
    Tabellen tab;
    Ansicht ansicht;
    Rahmen rahmen;
    Anzeige anz;
    lang::Sprachzustand sprache;
    Ortsangaben ort;
    Schattenreichweite reichweite; // the readers' heights and whether their shadows reach
    double SinGI = 1;
    double Klein = 0;
    int Status = 0; // of the last calculation: 0, 11, 12 or 21

    // Where messages go; never null (defaults to an internal SammelMelder).
    void setzeMelder(Melder* m);
    Melder& melder() { return *melder_; }
    // Shows message number `nr` (optionally with text before/after) in the
    // current language.
    void Melde(const std::string& text, lang::Titel titel, Symbol symbol);
    void MeldeNr(int nr, lang::Titel titel, Symbol symbol, const std::string& vor = "",
                 const std::string& nach = "");

    // Called whenever the dial should be repainted (the window redraws).
    std::function<void()> neuZeichnen;
    // Progress of split-analemma methods 2 to 4: step 1..120, on the calling thread.
    std::function<void(int)> fortschritt;

    // Derived values SinGI, Klein and the caption lKlein.
    void Abgeleitet();

    // --- handlers (logic of the window's events) ---
    FeldErgebnis eBreitExit(Feld feld, const std::string& text);
    // Extra date "dd/mm"; returns the text MaskEdit1 shows afterwards.
    FeldErgebnis MaskEdit1Exit(const std::string& text);
    void lStartClick(); // after StdVon/StdBis/Lph/Zonenzeit/ChBRiseSet/ZeigeSchatten changed
    void rgArtenClick(int index, bool vonRgArten = true);
    void rgAnzahlClick(int index);
    void rgMittelwertClick(int index, bool vonRgMittelwert = true);
    void rgKoordAusgClick(int index);
    void chbGenauClick(bool haken);
    void rgDefaultClick(int index);
    void efStartEndChange(int von, int bis);
    // The captions of the split summary table in the current language.
    void MittelKoepfe();
    void Modusumschaltung(); // the mode switch's document side
    // Checks a new hour range before it reaches the 126-point arrays.
    bool StundenBereichErlaubt(int von, int bis, int lph) const;
    // The same check; a refused range is reported through the Melder.
    bool StundenBereichPruefen(int von, int bis, int lph);

    // The calculation driver.
    void btGoClick(Absender absender = Absender::Sonstige);

    // --- computations ---
    void StundenTabelle();
    void DatumsTabelle();
    void DatumsPunkt(int index, int jahr, int monat, int tag);
    void Schattenweg(int jahr, int tag, int monat);
    // Split analemma; may set Status to 21.
    void Methode0();
    void Methode1();
    void Methode234();
    // Input table of the split analemma: a typed cell (message 6 for non-numbers).
    bool EingabeZelleSetzen(int spalte, int zeile, const std::string& text);
    void hoppla();

    // Clears the picture (status != 0).
    void BildLoeschen();

  private:
    std::unique_ptr<SammelMelder> eigenerMelder_;
    Melder* melder_ = nullptr;
};

// Writes a date array into a grid: full = left block (cols 0..5), else the
// right block (cols 7, 8). Width 8 for StrGridDat, 7 for other grids.
void DatumsGitter(Gitter& g, const DatumsFeld& feld, int anzahl, bool voll, bool istDatGitter,
                  int sprache);
void GitterLeeren(Gitter& g);

} // namespace skiora

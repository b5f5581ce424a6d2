#pragma once
// HPGL plot to DXF drawing (release AC1006), in the drawing unit given by
// `unit` plotter units. Understands the dialect of our plot writer and a
// larger subset of HPGL; anything else goes to the conversion log.
#include "core/Melder.h"

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace skiora::export_ {

enum class DxfStatus {
    Gespeichert,       // the DXF is complete (and in place, for files)
    KeinHpgl,          // the plot has no letter at all; nothing written
    NichtsKonvertiert, // no drawing command was converted
    SchreibFehler,     // a file could not be read, created or replaced
};

class HpglToDxfWandler {
  public:
    // Stream form: reads the whole plot, writes the whole drawing. For a
    // plot without any letter nothing is written. A converted drawing is
    // written with CR LF line ends, else with CR alone (as first written).
    // `melder` receives the "command too long" notices (may be null).
    DxfStatus Konvertiere(std::istream& hpgl, std::ostream& dxf, double stiftFaktor, double unit,
                          Melder* melder = nullptr);
    // The same on text in memory; `dxf` receives the drawing. The time grows
    // with the length of the plot alone, whatever it holds.
    DxfStatus Konvertiere(std::string_view hpgl, std::string& dxf, double stiftFaktor, double unit,
                          Melder* melder = nullptr);

    // Diagnostic lines of the last conversion.
    std::vector<std::string> ConversionLog;

    // Modes that carry over from one conversion to the next, as a plotter
    // keeps them; every plot of ours starts with IN, which resets them.
    bool absolut = false;
    bool stiftUnten = false;
    bool alternativ = false;
    // Language of the notices (1 German, 2 English).
    int sprache = 1;

  private:
    struct Lauf;
};

// File form: converts the plot `hpgl` in memory and writes the drawing to
// `dxfDatei` by the one safe write path (no intermediate file), so the
// previous drawing is replaced only by a complete one. Shows the closing
// message boxes, a failed write included, in language `sprache` (1 German,
// 2 English).
DxfStatus HpglToDxf(std::string_view hpgl, const std::string& dxfDatei, double stiftFaktor,
                    double unit, Melder& melder, int sprache, HpglToDxfWandler& wandler);

// The name without its directory.
std::string OhneVerzeichnis(const std::string& pfad);

} // namespace skiora::export_

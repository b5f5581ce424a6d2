#pragma once
// The construction as an HPGL plot: one line of commands, no line break.
// Plotter units are 1/40 mm; the y axis points up the sheet.
#include <iosfwd>
#include <string>

namespace skiora {
class Sonnenuhr;
}

namespace skiora::export_ {

enum class PlotArt {
    Skaliert, // PlotScaled: 10 mm per length unit, marks grow with the axis
    Schirm,   // PlotAsScreen: fills a DIN A3 sheet times the screen zoom
};

// The five primitives. Each appends its text; points too far off the sheet
// (guard windows differ per layout) are skipped without a trace, so a
// following line starts from the last point actually written.
class PlotAusgabe {
  public:
    PlotAusgabe(std::string& ziel, PlotArt art) : ziel_(ziel), art_(art) {}
    void PlotRaw(const std::string& s);
    void PlotMove(long long x, long long y);
    void PlotLine(long long x, long long y);
    void PlotLabel(long long x, long long y, const std::string& text);
    // Circle given by its bounding box.
    void PlotCircle(long long x1, long long y1, long long x2, long long y2);

  private:
    bool Draussen(double x, double y, double yGrenze) const;
    void Punkt(const char* befehl, long long x, long long y);
    std::string& ziel_;
    PlotArt art_;
};

// Plot as on the screen: pan in screen pixels (DeltaX, DeltaY), screen zoom.
void PlotAsScreen(Sonnenuhr& uhr, std::ostream& out, int panX, int panY, double zoom);
// Scaled construction with the major half axis `axis` (2..20) for the plot;
// the document's parameters are left as they were.
void PlotScaled(Sonnenuhr& uhr, std::ostream& out, int panX, int panY, double axis);

// The axis offered for a scaled plot: Halb brought into [2, 20] by powers of ten.
double AngeboteneAchse(double halb);

} // namespace skiora::export_

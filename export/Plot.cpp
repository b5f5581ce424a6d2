#include "Plot.h"

#include "Format.h"
#include "PlotLauf.h"
#include "lang/Texte.h"

#include <cmath>
#include <cstdlib>
#include <ostream>

namespace skiora::export_ {

// --- primitives ---

bool PlotAusgabe::Draussen(double x, double y, double yGrenze) const {
    const double xGrenze = art_ == PlotArt::Skaliert ? 15000 : 11000;
    return std::fabs(x - 8500) >= xGrenze || std::fabs(y - 6000) >= yGrenze;
}

void PlotAusgabe::Punkt(const char* befehl, long long x, long long y) {
    ziel_ += befehl;
    ziel_ += Fest(8, 0, static_cast<double>(x));
    ziel_ += ' ';
    ziel_ += Fest(8, 0, static_cast<double>(y));
}

void PlotAusgabe::PlotRaw(const std::string& s) {
    ziel_ += s;
}

void PlotAusgabe::PlotMove(long long x, long long y) {
    if (Draussen(x, y, art_ == PlotArt::Skaliert ? 10000 : 8500)) return;
    Punkt(";PU ", x, y);
}

void PlotAusgabe::PlotLine(long long x, long long y) {
    if (Draussen(x, y, art_ == PlotArt::Skaliert ? 10000 : 8500)) return;
    Punkt(";PD ", x, y);
}

void PlotAusgabe::PlotLabel(long long x, long long y, const std::string& text) {
    if (Draussen(x, y, art_ == PlotArt::Skaliert ? 10000 : 8500)) return;
    Punkt(";PU ", x, y);
    ziel_ += ";LB";
    ziel_ += text;
    ziel_ += '\x03';
}

void PlotAusgabe::PlotCircle(long long x1, long long y1, long long x2, long long y2) {
    const double cx = (static_cast<double>(x1) + static_cast<double>(x2)) / 2;
    const double cy = (static_cast<double>(y1) + static_cast<double>(y2)) / 2;
    const double r = std::fabs(static_cast<double>(x2) - static_cast<double>(x1)) / 2;
    if (Draussen(cx, cy, 8500)) return;
    // Halves are rounded to the even neighbour, like every other conversion.
    ziel_ += ";PU " + Fest(8, 0, cx) + " " + Fest(8, 0, cy) + ";CI " + Fest(8, 0, r) + ", 1";
}

void PlotLauf::Label(long long x, long long y, const std::string& utf8) {
    aus.PlotLabel(x, y, lang::NachAnsi(utf8));
}

// --- generators ---

namespace {

// Screen pan in pixels to plotter units; before the first screen drawing the
// picture width is unknown and the pan counts as none.
long long Schwenk(const PlotLauf& l, int pan) {
    const int w = l.uhr.rahmen.SchirmBildBreite;
    if (w == 0) return 0;
    return Naechste(static_cast<double>(pan) * static_cast<double>(l.W) / w);
}

double SinusGI(const DialParams& p, double grenze) {
    double s = std::sin((p.GnomWinkel - p.Incl) * Rad);
    if (std::fabs(s) < grenze) s = (Sign(s) + 0.5) * grenze;
    return s;
}

double DatumMax(const PlotLauf& l) {
    return l.p.Halb * std::tan(23.445 * Rad) * std::sin((l.p.GnomWinkel - l.p.Breit) * Rad) /
           l.SinGI;
}

void Mitte(PlotLauf& l, int panX, int panY) {
    l.CentreX = l.W / 2 + Schwenk(l, panX);
    l.CentreY = Naechste(1.1 * static_cast<double>(l.H / 2)) + Schwenk(l, panY);
}

void HalbMitten(PlotLauf& l) {
    if (!l.split()) return;
    const long long d = Naechste(l.K * l.p.Halb / 10);
    l.LeftX = l.CentreX - d;
    l.RightX = l.CentreX + d;
}

void Zeichne(PlotLauf& l) {
    if (l.split()) {
        l.LinkeHaelfte = true;
        Achsen(l, true, l.LeftX);
        l.LinkeHaelfte = false;
        Achsen(l, false, l.RightX);
    } else {
        Achsen(l, true, l.CentreX);
    }
    if (!l.split() && (std::fabs(l.p.Incl) < 0.2 || std::fabs(l.p.GnomInc) < 0.2))
        AufUntergangsPunkte(l);
    Datumsmarken(l);
    l.aus.PlotRaw(";SP 4");
    const PunktZeit& erster = l.uhr.erg.StundenPunkte[1];
    l.aus.PlotMove(l.X(l.split() ? l.LeftX : l.CentreX, erster.x), l.Y(erster.y));
    l.aus.PlotRaw(";SP 9");
    Stundenellipse(l);
    Stundenpunkte(l);
    l.aus.PlotRaw(";SP 3");
    Schattenweg(l);
    l.aus.PlotRaw(";SP 9");
    Gnomon(l);
    if (!l.split() && l.uhr.opt.MarkRiseSet) AufgangsKonstruktion(l);
    if (l.skaliert()) l.aus.PlotRaw(";SI 0.16 0.24");
    Legende(l);
}

} // namespace

void PlotScaled(Sonnenuhr& uhr, std::ostream& out, int panX, int panY, double axis) {
    std::string s;
    PlotLauf l(uhr, s, PlotArt::Skaliert);
    l.p.Halb = axis; // the document keeps its own axis
    l.SinGI = SinusGI(l.p, 1e-9);
    l.Klein = std::cos((l.p.GnomWinkel - l.p.Breit) * Rad) * l.p.Halb / l.SinGI;
    l.W = 16400, l.H = 11480, l.K = 400;
    l.Schritt = l.p.Halb < 10 ? 0.1 : 0.2;
    l.Teilung = 5;
    l.ymax = DatumMax(l);
    if (l.K * l.Klein > std::fabs(0.96 * static_cast<double>(l.H / 2)))
        l.H = Naechste(2 * l.Klein * l.K * 1.08);
    if (l.K * l.p.Halb > std::fabs(0.96 * static_cast<double>(l.W / 2)))
        l.W = Naechste(2 * l.p.Halb * l.K * 1.08);
    l.cs = l.p.Halb * l.K / 5000;
    Mitte(l, panX, panY);
    l.aus.PlotRaw("IN;VS 1;PA;SP 4;PU 0 0;EA 0 0 " + Fest(6, 0, 0.98 * static_cast<double>(l.W)) +
                  " " + Fest(6, 0, 0.98 * static_cast<double>(l.H)) + ";");
    l.aus.PlotRaw(";SP 4;PU 0 0;");
    HalbMitten(l);
    l.aus.PlotRaw(";SI " + Fest(6, 3, 0.16 * l.cs) + Fest(6, 3, 0.24 * l.cs) + ";SP 1");
    Zeichne(l);
    out << s;
}

void PlotAsScreen(Sonnenuhr& uhr, std::ostream& out, int panX, int panY, double zoom) {
    std::string s;
    PlotLauf l(uhr, s, PlotArt::Schirm);
    l.zoom = zoom;
    l.W = 16400, l.H = 11480;
    Mitte(l, panX, panY);
    l.aus.PlotRaw("IN;VS 1;PA;IW 0 0 16157 11038;PU 0 0;EA 0 0 16157 11038;");
    l.aus.PlotRaw(";SP 4;PU 0 0;");
    l.SinGI = SinusGI(l.p, 1e-7);
    l.Klein = uhr.Klein;
    l.ymax = DatumMax(l);
    const double halb = l.p.Halb;
    double m = 1;
    // Bounded: a zero or absurd axis must not hang the export.
    for (int i = 0; i < 400 && m * halb < 1; ++i)
        m *= 10;
    for (int i = 0; i < 400 && m * halb > 10; ++i)
        m /= 10;
    double c, tick;
    l.Teilung = 5;
    if (m * halb < 3.2) {
        c = 3.3, tick = 0.1;
    } else if (m * halb < 6.2) {
        c = 6.4, tick = 0.2;
    } else {
        c = 9.9, tick = 0.25, l.Teilung = 4;
    }
    const double halbH = static_cast<double>(l.H / 2);
    double K0 = static_cast<double>(l.W / 2) / c;
    const double Y = std::max(l.ymax, l.Klein) * m;
    if (std::fabs(0.96 * halbH / Y) < K0) K0 = 20 * halbH > std::fabs(Y) ? 0.9 * halbH / Y : 0.05;
    l.K = K0 * m * zoom;
    l.Schritt = tick / m;
    l.cs = 1;
    HalbMitten(l);
    l.aus.PlotRaw(";SI 0.16 0.24;SP 1");
    Zeichne(l);
    out << s;
}

double AngeboteneAchse(double halb) {
    if (!(halb > 0) || !std::isfinite(halb)) return 2;
    double a = halb;
    while (a < 2)
        a *= 10;
    while (a > 20)
        a /= 10;
    // It becomes the half axis: as a saved file holds it.
    return FestWert(a);
}

} // namespace skiora::export_

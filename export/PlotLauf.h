#pragma once
// State of one plot run, shared by the generators and the figures.
#include "Plot.h"
#include "core/Sonnenuhr.h"
#include "core/Zahlen.h"

#include <string>

namespace skiora::export_ {

struct PlotLauf {
    PlotLauf(Sonnenuhr& u, std::string& ziel, PlotArt a) : uhr(u), aus(ziel, a), art(a), p(u.p) {}

    Sonnenuhr& uhr;
    PlotAusgabe aus;
    PlotArt art;
    DialParams p; // Halb is the plot axis in a scaled plot
    double SinGI = 1, Klein = 0;
    long long W = 16400, H = 11480;
    long long CentreX = 0, CentreY = 0, LeftX = 0, RightX = 0;
    bool LinkeHaelfte = false;
    double K = 400, cs = 1, Schritt = 0.1, zoom = 1, ymax = 0;
    int Teilung = 5;
    long long Strich = 0;

    bool skaliert() const { return art == PlotArt::Skaliert; }
    bool split() const { return uhr.opt.SplitModus; }
    int sprache() const { return uhr.sprache.Sprache; }
    long long cy() const { return H - CentreY; }
    long long sz(double n) const { return Naechste(n * cs); }
    long long X(long long c, double x) const { return c + Naechste(K * x); }
    long long Y(double y) const { return cy() + Naechste(K * y); }
    // Labels go to the file in the Windows code page.
    void Label(long long x, long long y, const std::string& utf8);
};

// The figures, in drawing order.
void Achsen(PlotLauf& l, bool links, long long cx);
void AufUntergangsPunkte(PlotLauf& l);
void Datumsmarken(PlotLauf& l);
void Stundenellipse(PlotLauf& l);
void Stundenpunkte(PlotLauf& l);
void Schattenweg(PlotLauf& l);
double GnomonOrt(const PlotLauf& l); // Z of the extra date
void Gnomon(PlotLauf& l);
void AufgangsKonstruktion(PlotLauf& l);
void Legende(PlotLauf& l);

} // namespace skiora::export_

// The true-size model as SVG: written as plain text, so that the file holds
// exactly the model's numbers (a painter would round to its own device).
#include "Fertigung.h"
#include "Format.h"

#include <cmath>
#include <cstdio>
#include <numbers>
#include <string_view>

namespace skiora::export_ {

using namespace modell;

namespace {

// Cap height of the usual sans-serif fonts in em; a model text height is a
// capital's height.
constexpr double VersalHoehe = 0.716;

std::string Xml(std::string_view t) {
    std::string s;
    for (char c : t) {
        switch (c) {
        case '&':
            s += "&amp;";
            break;
        case '<':
            s += "&lt;";
            break;
        case '>':
            s += "&gt;";
            break;
        case '"':
            s += "&quot;";
            break;
        default:
            s += c;
        }
    }
    return s;
}

std::string Farbe(std::uint32_t rgb) {
    char t[8];
    std::snprintf(t, sizeof t, "#%06x", static_cast<unsigned>(rgb & 0xFFFFFF));
    return t;
}

struct SvgAusgabe {
    std::string& s;
    double f;      // units per metre
    int dezimalen; // 0.01 mm, or 0.0001 inch
    std::string farbe;

    std::string Z(double v) const { return Knapp(dezimalen, v); }
    std::string X(double x) const { return Z(x * f); }
    std::string Y(double y) const { return Z(-y * f); }
    std::string P(Punkt p) const { return X(p.x) + "," + Y(p.y); }

    void operator()(const Kreis& k) const {
        s += "<circle cx=\"" + X(k.mitte.x) + "\" cy=\"" + Y(k.mitte.y) + "\" r=\"" +
             Z(k.radius * f) + "\"/>\n";
    }
    void operator()(const Linienzug& z) const {
        if (z.punkte.size() < 2) return;
        s += z.geschlossen ? "<polygon points=\"" : "<polyline points=\"";
        for (std::size_t i = 0; i < z.punkte.size(); ++i)
            s += (i ? " " : "") + P(z.punkte[i]);
        s += "\"/>\n";
    }
    void operator()(const Ellipsenbogen& b) const {
        if (b.bis - b.von >= 2 * std::numbers::pi - 1e-12) {
            s += "<ellipse cx=\"" + X(b.mitte.x) + "\" cy=\"" + Y(b.mitte.y) + "\" rx=\"" +
                 Z(b.rx * f) + "\" ry=\"" + Z(b.ry * f) + "\"/>\n";
            return;
        }
        auto punkt = [&](double t) {
            return Punkt{b.mitte.x + b.rx * std::cos(t), b.mitte.y + b.ry * std::sin(t)};
        };
        // Counter-clockwise with y north is sweep 0 once y points down.
        const char* gross = b.bis - b.von > std::numbers::pi ? "1" : "0";
        s += "<path d=\"M" + P(punkt(b.von)) + " A" + Z(b.rx * f) + "," + Z(b.ry * f) + " 0 " +
             gross + ",0 " + P(punkt(b.bis)) + "\"/>\n";
    }
    void operator()(const Text& t) const {
        static const char* anker[] = {"start", "middle", "end"};
        // The middle of the capitals on the anchor: the baseline half a capital below.
        const double grund = t.v == VAusrichtung::Mitte ? t.anker.y - t.hoehe / 2 : t.anker.y;
        s += "<text x=\"" + X(t.anker.x) + "\" y=\"" + Y(grund) + "\" font-size=\"" +
             Z(t.hoehe / VersalHoehe * f) + "\" text-anchor=\"" + anker[static_cast<int>(t.h)] +
             "\" fill=\"" + farbe + "\" stroke=\"none\">" + Xml(t.text) + "</text>\n";
    }
};

} // namespace

std::string FertigungSvg(const Modell& m, Einheit e) {
    const double f = ProMeter(e);
    const int dezimalen = e == Einheit::Zoll ? 4 : 2;
    const char* kuerzel = e == Einheit::Zoll ? "in" : "mm";
    const Rechteck& r = m.ausdehnung;
    std::string s;
    SvgAusgabe aus{s, f, dezimalen, ""};
    const std::string b = aus.Z(r.breite() * f), h = aus.Z(r.hoehe() * f);
    s += "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n";
    s += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + b + kuerzel +
         "\" height=\"" + h + kuerzel + "\" viewBox=\"" + aus.X(r.xmin) + " " + aus.Y(r.ymax) +
         " " + b + " " + h + "\">\n";
    s += "<title>Skiora 1:1 (" + std::string(kuerzel) + ")</title>\n";
    const std::string strich = aus.Z(0.25e-3 * f);
    for (Ebene ebene : AlleEbenen()) {
        std::string inhalt;
        SvgAusgabe teil{inhalt, f, dezimalen, Farbe(Info(ebene).farbe)};
        for (const Element& el : m.elemente)
            if (el.ebene == ebene) std::visit(teil, el.form);
        if (inhalt.empty()) continue;
        s += "<g id=\"" + std::string(Info(ebene).name) + "\" fill=\"none\" stroke=\"" +
             teil.farbe + "\" stroke-width=\"" + strich +
             "\" font-family=\"Liberation Sans, Arial, Helvetica, sans-serif\">\n" + inhalt +
             "</g>\n";
    }
    s += "</svg>\n";
    return s;
}

} // namespace skiora::export_

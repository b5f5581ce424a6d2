#pragma once
// The dial at true size: one plain list of geometric elements, computed once
// from the document, that every true-size output reads (the fabrication SVG
// and DXF, the full-size tiles, the figures of the layout sheet). Each writer
// only translates elements into its format; where a thing lies on the dial is
// decided here and nowhere else.
//
// Units and axes: metres (the unit of DialParams::Halb); x east, y north;
// the origin is the centre of the hour ellipse. The model never mirrors or
// shifts: every hour-point circle is centred exactly on the x and y of its
// entry of Ergebnisse::StundenPunkte, every date mark on its date table entry
// (the two half-analemmas of a split dial too, unlike the picture, which
// draws them apart for legibility).
//
// Layers (Ebene), each with a fixed name used as DXF layer and SVG group id,
// the same in both languages so that a CAM setup keeps working:
//   FRAME            the rectangle of the dial's extent (always the outermost element)
//   AXES             east-west and north-south axis, compass letters N, W, E/O
//   HOUR_ELLIPSE     the ellipse from the first to the last hour, one arc
//   HOUR_POINTS      full hours: a circle per point (Vorgaben::Punktdurchmesser)
//   PART_HOURS       the points between full hours, same circles
//   HOUR_NUMBERS     the clock hour of every full-hour point, outside the ellipse
//   SUMMER_TIME      summer-time numbers (hour + SzVersatz), inside the ellipse;
//                    only when the site has summer time and the option is on
//   DATE_MARKS       date scale on the minor axis (Arten 0): a tick per date;
//                    analemma (Arten 1): a dot per date
//   DATE_LABELS      labels of the month starts ("01.Jan") of the date scale and
//                    the analemma
//   ANALEMMA         the figure-eight through the date marks (Arten 1), day by day
//   MORNING_DATES    split dial (Arten 2): morning half-analemma, curve, dots
//                    and month labels (the halves overlap; colour tells them apart)
//   AFTERNOON_DATES  split dial: afternoon half-analemma, the same
//   UNUSABLE_DATES   split dial: dates (and segments to them) the optimisation
//                    found unusable, kept apart so that they are not cut by mistake
//   RISE_SET         sunrise and sunset marks on the east-west axis with their names
#include <array>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace skiora {
class Sonnenuhr;
}

namespace skiora::modell {

enum class Ebene : std::uint8_t {
    Rahmen,
    Achsen,
    Ellipse,
    Stundenpunkte,
    Teilstunden,
    Stundenzahlen,
    Sommerzeit,
    Datumsmarken,
    Datumstexte,
    Analemma,
    Vormittag,
    Nachmittag,
    Unbrauchbar,
    AufUntergang,
};
inline constexpr int EbenenAnzahl = 14;

struct EbenenInfo {
    const char* name;    // "HOUR_POINTS": DXF layer name and SVG group id
    std::uint32_t farbe; // 0xRRGGBB, for writers that show colours
};
const EbenenInfo& Info(Ebene e);
// Every layer in drawing order (FRAME first).
const std::array<Ebene, EbenenAnzahl>& AlleEbenen();

struct Punkt {
    double x = 0, y = 0;
};

struct Rechteck {
    double xmin = 0, ymin = 0, xmax = 0, ymax = 0;
    double breite() const { return xmax - xmin; }
    double hoehe() const { return ymax - ymin; }
    bool enthaelt(Punkt p, double toleranz = 0) const {
        return p.x >= xmin - toleranz && p.x <= xmax + toleranz && p.y >= ymin - toleranz &&
               p.y <= ymax + toleranz;
    }
};

struct Kreis {
    Punkt mitte;
    double radius = 0;
};

// A straight segment or a polyline; `geschlossen` joins the last point to the first.
struct Linienzug {
    std::vector<Punkt> punkte;
    bool geschlossen = false;
};

// An arc of an axis-parallel ellipse: the points mitte + (rx cos t, ry sin t)
// for t from `von` to `bis` (radians, counter-clockwise, bis > von; a whole
// ellipse when bis - von >= 2 pi). rx, ry > 0.
struct Ellipsenbogen {
    Punkt mitte;
    double rx = 0, ry = 0;
    double von = 0, bis = 0;
};

enum class HAusrichtung : std::uint8_t { Links, Mitte, Rechts };
enum class VAusrichtung : std::uint8_t { Grundlinie, Mitte };

// One line of text, upright. `hoehe` is the height of a capital letter (what
// CAD programs call the text height); `anker` is the point the alignment
// refers to: e.g. Mitte/Mitte puts the middle of the capitals' box there.
struct Text {
    Punkt anker;
    double hoehe = 0;
    std::string text; // UTF-8
    HAusrichtung h = HAusrichtung::Links;
    VAusrichtung v = VAusrichtung::Grundlinie;
};

using Form = std::variant<Kreis, Linienzug, Ellipsenbogen, Text>;

struct Element {
    Ebene ebene = Ebene::Rahmen;
    Form form;
    // The 1-based index of the entry it comes from: StundenPunkte for hour
    // points and numbers, the date array for date marks and labels; 0 otherwise.
    int index = 0;
};

struct Vorgaben {
    double Punktdurchmesser = 0.020; // metres, > 0
    double Schrifthoehe = 0.020;     // metres, > 0: every text of the model
};

struct Modell {
    std::vector<Element> elemente; // FRAME first, then layer by layer
    // The frame: every element lies inside it (texts by their estimated box).
    Rechteck ausdehnung;
    // The document could not give a dial (a refused calculation, or a gnomon
    // the picture refuses): the model is empty.
    bool verweigert = false;
};

// The whole dial from the document's last calculation.
Modell DialModell(const Sonnenuhr& uhr, const Vorgaben& opt = {});

// Only the date scale as it is cut in stone or metal: the part of the minor
// axis the dates span, every date mark with its label, the analemma or the
// half-analemmas where the dial has them, and a frame as narrow as the
// marks allow.
Modell DatumsModell(const Sonnenuhr& uhr, const Vorgaben& opt = {});

// The box an element covers. Texts use an estimated width (0.8 times the
// height per character), enough for the usual sans-serif fonts.
Rechteck Ausdehnung(const Element& e);

// Points along an arc, the ends included; for writers without ellipses.
std::vector<Punkt> BogenPunkte(const Ellipsenbogen& b, int anzahl);

} // namespace skiora::modell

#pragma once
// The dial at true size for cutting, engraving and CAD: the model of
// modell/Modell.h at 1:1 as SVG or DXF text, ready to be handed to the safe
// writer. Both keep the model's layers (SVG groups with the layer name as id,
// DXF layers with colours) and keep texts as texts.
//
// Coordinates: millimetres, or inches. In the DXF the origin is the centre
// of the ellipse with y north, as in the model. In the SVG (y down) a point
// (x, y) of the model is at (x, -y) times the unit, and the viewBox starts at
// the frame's north-west corner, so that the file's numbers are still the
// dial's.
#include "modell/Modell.h"

#include <string>

namespace skiora {
class Sonnenuhr;
}

namespace skiora::export_ {

enum class Einheit { Millimeter, Zoll };

// Units per metre: 1000, or 1000 / 25.4.
double ProMeter(Einheit e);

std::string FertigungSvg(const modell::Modell& m, Einheit e);
std::string FertigungDxf(const modell::Modell& m, Einheit e);

// Point diameter and text height by default: 20 mm, or 3/4 inch.
modell::Vorgaben StandardVorgaben(Einheit e);
// The point diameters and text heights a user may give, in the unit:
// 0.1..1000 mm or 0.005..40 in. Far larger ones overflow the drawing.
struct Groessen {
    double min, max;
};
Groessen GroessenBereich(Einheit e);

enum class Format { Svg, Dxf };
// The dial of the document's last calculation at true size into `pfad`,
// through the safe writer (the old file stays until the new one is
// complete). A dial that cannot be drawn, or a failed write, is reported
// through the document's Melder. True when the file was written.
bool FertigungSpeichern(Sonnenuhr& uhr, const std::string& pfad, Format f, Einheit e,
                        const modell::Vorgaben& v);

} // namespace skiora::export_

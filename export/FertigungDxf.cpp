// The true-size model as DXF (AutoCAD 2000), written through dxflib into
// memory: dxflib writes through a DL_WriterA, whose file output is replaced
// here by a string, so that the safe writer puts the bytes on disk.
#include "Fertigung.h"
#include "Format.h"
#include "lang/Texte.h"

#include <dl_dxf.h>
#include <dl_writer_ascii.h>

#include <cmath>
#include <cstdio>
#include <numbers>

namespace skiora::export_ {

using namespace modell;

namespace {

// DL_WriterA with every group going to a string instead of its file. The
// base opens no file for an empty name.
class DxfText : public DL_WriterA {
  public:
    explicit DxfText(std::string& ziel) : DL_WriterA("", DL_Codes::AC1015), ziel_(ziel) {}

    void dxfReal(int gc, double value) const override { Gruppe(gc, Knapp(10, value)); }
    void dxfInt(int gc, int value) const override { Gruppe(gc, std::to_string(value)); }
    void dxfHex(int gc, int value) const override {
        char t[16];
        std::snprintf(t, sizeof t, "%X", static_cast<unsigned>(value));
        Gruppe(gc, t);
    }
    void dxfString(int gc, const char* value) const override { Gruppe(gc, value ? value : ""); }
    void dxfString(int gc, const std::string& value) const override { Gruppe(gc, value); }

  private:
    void Gruppe(int gc, const std::string& wert) const {
        char code[8];
        std::snprintf(code, sizeof code, "%3d", gc);
        ziel_ += code;
        ziel_ += "\r\n";
        ziel_ += wert;
        ziel_ += "\r\n";
    }
    std::string& ziel_;
};

// AutoCAD colour index of each layer, close to the model's colours.
int Farbindex(Ebene e) {
    switch (e) {
    case Ebene::Rahmen:
        return 8;
    case Ebene::Achsen:
        return 7;
    case Ebene::Ellipse:
        return 5;
    case Ebene::Stundenpunkte:
        return 1;
    case Ebene::Teilstunden:
        return 3;
    case Ebene::Stundenzahlen:
        return 1;
    case Ebene::Sommerzeit:
        return 4;
    case Ebene::Datumsmarken:
        return 3;
    case Ebene::Datumstexte:
        return 3;
    case Ebene::Analemma:
        return 3;
    case Ebene::Vormittag:
        return 3;
    case Ebene::Nachmittag:
        return 6;
    case Ebene::Unbrauchbar:
        return 9;
    case Ebene::AufUntergang:
        return 5;
    }
    return 7;
}

void Variable(DxfText& dw, const char* name, int gc, int wert) {
    dw.dxfString(9, name);
    dw.dxfInt(gc, wert);
}

void Punktvariable(DxfText& dw, const char* name, double x, double y) {
    dw.dxfString(9, name);
    dw.dxfReal(10, x);
    dw.dxfReal(20, y);
    dw.dxfReal(30, 0);
}

struct Entitaeten {
    DL_Dxf& dxf;
    DxfText& dw;
    double f;
    DL_Attributes att;

    void operator()(const Kreis& k) {
        dxf.writeCircle(dw, DL_CircleData(k.mitte.x * f, k.mitte.y * f, 0, k.radius * f), att);
    }
    void operator()(const Linienzug& z) {
        if (z.punkte.size() < 2) return;
        if (z.punkte.size() == 2 && !z.geschlossen) {
            const Punkt a = z.punkte[0], b = z.punkte[1];
            dxf.writeLine(dw, DL_LineData(a.x * f, a.y * f, 0, b.x * f, b.y * f, 0), att);
            return;
        }
        dxf.writePolyline(
            dw, DL_PolylineData(static_cast<int>(z.punkte.size()), 0, 0, z.geschlossen ? 1 : 0),
            att);
        for (const Punkt& p : z.punkte)
            dxf.writeVertex(dw, DL_VertexData(p.x * f, p.y * f, 0, 0));
        dxf.writePolylineEnd(dw);
    }
    void operator()(const Ellipsenbogen& b) {
        // DXF wants the major axis as a vector and the ratio minor/major <= 1;
        // with the major axis north the parameter turns by a quarter.
        const bool quer = b.rx >= b.ry;
        const double mx = quer ? b.rx : 0, my = quer ? 0 : b.ry;
        const double verhaeltnis = quer ? b.ry / b.rx : b.rx / b.ry;
        const double dreh = quer ? 0 : std::numbers::pi / 2;
        double von = b.von - dreh, bis = b.bis - dreh;
        if (bis - von >= 2 * std::numbers::pi - 1e-12) von = 0, bis = 2 * std::numbers::pi;
        dxf.writeEllipse(dw,
                         DL_EllipseData(b.mitte.x * f, b.mitte.y * f, 0, mx * f, my * f, 0,
                                        verhaeltnis, von, bis),
                         att);
    }
    void operator()(const Text& t) {
        const int h = static_cast<int>(t.h);              // 0 left, 1 centre, 2 right
        const int v = t.v == VAusrichtung::Mitte ? 2 : 0; // 2 middle, 0 baseline
        const double x = t.anker.x * f, y = t.anker.y * f;
        dxf.writeText(dw,
                      DL_TextData(x, y, 0, x, y, 0, t.hoehe * f, 1, 0, h, v, lang::NachAnsi(t.text),
                                  "Standard", 0),
                      att);
    }
};

} // namespace

std::string FertigungDxf(const Modell& m, Einheit e) {
    const double f = ProMeter(e);
    std::string s;
    DL_Dxf dxf;
    DxfText dw(s);

    dxf.writeHeader(dw);
    // The drawing unit for inserting and measuring: 4 millimetres or 1 inch.
    Variable(dw, "$INSUNITS", 70, e == Einheit::Zoll ? 1 : 4);
    Variable(dw, "$MEASUREMENT", 70, e == Einheit::Zoll ? 0 : 1);
    dw.dxfString(9, "$DWGCODEPAGE");
    dw.dxfString(3, "ANSI_1252");
    const Rechteck& r = m.ausdehnung;
    Punktvariable(dw, "$EXTMIN", r.xmin * f, r.ymin * f);
    Punktvariable(dw, "$EXTMAX", r.xmax * f, r.ymax * f);
    Punktvariable(dw, "$LIMMIN", r.xmin * f, r.ymin * f);
    Punktvariable(dw, "$LIMMAX", r.xmax * f, r.ymax * f);
    dw.sectionEnd();

    dw.sectionTables();
    dxf.writeVPort(dw);
    dw.tableLinetypes(3);
    dxf.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    dw.tableEnd();
    dw.tableLayers(EbenenAnzahl + 1);
    dxf.writeLayer(dw, DL_LayerData("0", 0), DL_Attributes("", 7, -1, "CONTINUOUS", 1.0));
    for (Ebene ebene : AlleEbenen())
        dxf.writeLayer(dw, DL_LayerData(Info(ebene).name, 0),
                       DL_Attributes("", Farbindex(ebene), -1, "CONTINUOUS", 1.0));
    dw.tableEnd();
    dw.tableStyle(1);
    dxf.writeStyle(dw, DL_StyleData("Standard", 0, 0.0, 1.0, 0.0, 0, 2.5, "txt", ""));
    dw.tableEnd();
    dxf.writeView(dw);
    dxf.writeUcs(dw);
    dw.tableAppid(1);
    dxf.writeAppid(dw, "ACAD");
    dw.tableEnd();
    dxf.writeDimStyle(dw, 1, 1, 1, 1, 1);
    dxf.writeBlockRecord(dw);
    dw.tableEnd();
    dw.sectionEnd();

    dw.sectionBlocks();
    dxf.writeBlock(dw, DL_BlockData("*Model_Space", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(dw, "*Model_Space");
    dxf.writeBlock(dw, DL_BlockData("*Paper_Space", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(dw, "*Paper_Space");
    dxf.writeBlock(dw, DL_BlockData("*Paper_Space0", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(dw, "*Paper_Space0");
    dw.sectionEnd();

    dw.sectionEntities();
    for (const Element& el : m.elemente) {
        Entitaeten ent{dxf, dw, f, DL_Attributes(Info(el.ebene).name, 256, -1, "BYLAYER", 1.0)};
        std::visit(ent, el.form);
    }
    dw.sectionEnd();
    dxf.writeObjects(dw);
    dxf.writeObjectsEnd(dw);
    dw.dxfEOF();
    return s;
}

} // namespace skiora::export_

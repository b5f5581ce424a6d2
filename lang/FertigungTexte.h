#pragma once
// Texts of the true-size fabrication files (SVG and DXF at 1:1) and their dialog.
#include "Texte.h"

namespace skiora::lang::fertigung {

inline constexpr Zweisprachig Knopf{"1:1 speichern...", "Save 1:1..."};
inline constexpr Zweisprachig Hinweis{
    "Die Uhr in natürlicher Größe als SVG oder DXF (Laser, Fräse, Schneideplotter, CAD)",
    "The dial at true size as SVG or DXF (laser cutter, router, cutting plotter, CAD)"};
inline constexpr Zweisprachig Titel{"Uhr in natürlicher Größe speichern",
                                    "Save the dial at true size"};
inline constexpr Zweisprachig Format{"Format", "Format"};
inline constexpr Zweisprachig Svg{"SVG (Laser, Schneideplotter)",
                                  "SVG (laser cutter, cutting plotter)"};
inline constexpr Zweisprachig Dxf{"DXF (CAD, CNC-Fräse)", "DXF (CAD, CNC router)"};
inline constexpr Zweisprachig Einheit{"Einheit", "Units"};
inline constexpr Zweisprachig Millimeter{"Millimeter", "Millimetres"};
inline constexpr Zweisprachig Zoll{"Zoll", "Inches"};
inline constexpr Zweisprachig Punkt{"Durchmesser der Stundenpunkte:",
                                    "Diameter of the hour points:"};
inline constexpr Zweisprachig Schrift{"Schrifthöhe:", "Text height:"};
inline constexpr Zweisprachig SvgFilter{"SVG-Zeichnung (*.svg)", "SVG drawing (*.svg)"};
inline constexpr Zweisprachig DxfFilter{"DXF-Zeichnung (*.dxf)", "DXF drawing (*.dxf)"};
// Followed by the file name.
inline constexpr Zweisprachig Verweigert{
    "Mit diesen Eingabewerten gibt es keine Uhr zu zeichnen; nicht geschrieben: ",
    "These parameters give no dial to draw; not written: "};

} // namespace skiora::lang::fertigung

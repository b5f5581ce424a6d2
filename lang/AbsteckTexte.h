#pragma once
// The texts of the layout sheet (stake-out instructions) and its dialog.
// "%1", "%2" ... in a text are filled in with lang::Einsetzen.
#include "Einsetzen.h"
#include "Texte.h"

namespace skiora::lang::abstecken {

extern const Zweisprachig Titel, Untertitel, Fuss, Ort, OhneName, Lage, Halbachsen, Ebene, Gnomon,
    Jahr, Stunden, ArtSkala, ArtAnalemma, ArtGeteilt, Zonenzeit, Ortszeit, Massstab, Nord, Bezug,
    BezugC, BezugN, BezugNSued, BezugF1, BezugF2, BezugF1Sued, BezugF2Nord, Norden, Sueden, Westen,
    Osten, GeneigteEbene;

// Step 1: the north-south line.
extern const Zweisprachig Schritt1, Schritt1Text, Schritt1Sommer, SpDatum, SpUhrzeit, SpSommerzeit;
// Step 2: C and the east-west line.
extern const Zweisprachig Schritt2, Schritt2Text, Schritt2N;
// Step 3: focal points and the string loop.
extern const Zweisprachig Schritt3, Schritt3Text, Schritt3NordSued, Schritt3Kreis;
// Step 4: the hour points.
extern const Zweisprachig Schritt4, Schritt4Text, Schritt4Flach, SpZeit, SpX, SpY, SpAbC, SpAbN,
    SpSeite, SeiteW, SeiteO, SeiteLinie;
// Step 5: the date marks.
extern const Zweisprachig Schritt5, Schritt5Skala, Schritt5Analemma, Schritt5Geteilt, Vormittag,
    Nachmittag, SpVonC, SpVersatz, Unbrauchbar;
// Step 6: using the dial.
extern const Zweisprachig Schritt6, Schritt6Stehen, Schritt6GnomonGeneigt, Schritt6Geteilt,
    Schritt6Mittel, Schritt6Zone, Schritt6Wahr, Schritt6Sommer, Schritt6Ohne;
// Figures.
extern const Zweisprachig FigLot, FigSchatten, FigSchnur;

// The menu item and the dialog in the window.
extern const Zweisprachig Menue, DialogTitel, DialogEinheit, DialogMeter, DialogFuss, DialogPdf,
    DialogDrucken, DialogSchliessen, DialogSeiten, DateiFilter, DruckFehler;

} // namespace skiora::lang::abstecken

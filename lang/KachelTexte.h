#pragma once
// The texts of the full-size tiles, their dialog and their messages.
#include "Einsetzen.h"
#include "Texte.h"

namespace skiora::lang::kacheln {

// On the pages; %1, %2 ... filled by lang::Einsetzen.
extern const Zweisprachig Titel, TitelDatum, Angaben, Anleitung, Massstab, Seite, Leer;

// The dialog and its choices.
extern const Zweisprachig Menue, DialogTitel, DialogMassstab, DialogPapier, DialogTeil, TeilUhr,
    TeilDatum, DialogSeiten, DialogZuViele, DialogPdf, DialogDrucken, DialogSchliessen, DruckFehler,
    DialogLeer;

// Messages of the command line (exit status 2) and of the window.
extern const Zweisprachig ZuVieleSeiten, NichtsZuDrucken;

} // namespace skiora::lang::kacheln

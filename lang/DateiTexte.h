#pragma once
// Texts of writing and reading files: what failed and why, in both languages.
#include "lang/Texte.h"

namespace skiora::lang::dateitext {

// "<Anfang> <path><Mitte><reason>."
extern const Zweisprachig SchreibenAnfang, SchreibenMitte;
extern const Zweisprachig LesenAnfang, LesenMitte;

// Reasons.
extern const Zweisprachig KeinPlatz, ZuGross, KeineBerechtigung, Schreibgeschuetzt, OrdnerFehlt,
    DateiFehlt, KeinOrdnerImPfad, IstOrdner, NameZuLang, ZuVieleLinks, PipeOhneLeser, TempErsetzt,
    EinAusgabe, Systemfehler;

// What an output could not produce before any byte reached the disk.
extern const Zweisprachig BildNichtErzeugt, SvgNichtErzeugt, PdfNichtErzeugt;

} // namespace skiora::lang::dateitext

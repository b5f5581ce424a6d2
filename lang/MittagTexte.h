#pragma once
// Texts of the noon table: its columns, its file, its window and menu entry.
#include "lang/Texte.h"

namespace skiora::lang {

extern const Zweisprachig MittagKopfDatum;
extern const Zweisprachig MittagKopfZeitgleichung;
extern const Zweisprachig MittagKopfZonenzeit;
extern const Zweisprachig MittagKopfSommerzeit;
extern const Zweisprachig MittagTitel;
extern const Zweisprachig MittagMenue;
extern const Zweisprachig MittagHinweis;
extern const Zweisprachig MittagOhneSommerzeit;
extern const Zweisprachig MittagMitSommerzeit;
// The close button of the table windows beside the main window.
extern const Zweisprachig SchliessenKnopf;

} // namespace skiora::lang

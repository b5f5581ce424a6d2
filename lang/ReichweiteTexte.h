#pragma once
// Texts of the shadow reach: its table, file, window, warning and messages.
#include "lang/Texte.h"

namespace skiora::lang {

extern const Zweisprachig ReichweiteTitel;
extern const Zweisprachig ReichweiteMenue;
extern const Zweisprachig ReichweiteKopfHoehe;
extern const Zweisprachig ReichweiteKopfMarken;
extern const Zweisprachig ReichweiteKopfZuKurz;
extern const Zweisprachig ReichweiteKopfAnteil;
extern const Zweisprachig ReichweiteKopfHalbachse;
extern const Zweisprachig ReichweiteKopfDatum;
extern const Zweisprachig ReichweiteKopfZeit;
extern const Zweisprachig ReichweiteKopfSchatten;
extern const Zweisprachig ReichweiteKopfAbstand;
extern const Zweisprachig ReichweiteVerfehlt;
extern const Zweisprachig ReichweiteWarnung;
extern const Zweisprachig ReichweiteWarnungEintrag;
extern const Zweisprachig ReichweiteAllesErreicht;
extern const Zweisprachig ReichweiteVorschlag;
extern const Zweisprachig ReichweiteVorschlagGroesser;
extern const Zweisprachig ReichweiteNieErreicht;
extern const Zweisprachig ReichweiteHoehenFalsch;
extern const Zweisprachig ReichweiteHoehenLabel;
extern const Zweisprachig ReichweiteErklaerung;

} // namespace skiora::lang

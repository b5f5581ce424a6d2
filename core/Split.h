#pragma once
// The split analemma: one gnomon position per date for the morning and one
// for the afternoon, found by one of five methods.
#include "core/Fehler.h"
#include "core/Sonnenuhr.h"

#include <optional>

namespace skiora {

// Hours of a split dial, as the methods rewrite them into the input table.
inline constexpr int MaxStunden = 30;     // a list holds this many
inline constexpr int MaxSuchStunden = 20; // the grid search uses this many

// The dates of a split date array: 12 * anzahl dates from 1 January, names
// only (the methods fill the rest); every later record is emptied.
void SplitDaten(DatumsFeld& feld, int anzahl);
// Month and day of record r (1-based) of such an array.
void SplitDatum(int r, int anzahl, int& monat, int& tag);

// Clears the usable flag when y lies beyond 0.95 of the semi-minor axis on
// its own side (or is not a number at all).
bool SplitBrauchbar(double y, double b);

// Exact gnomon position for the clock hours T1 and T2 on day N of uhr.p.Jahr:
// fills decl, eot, x, y and usable.
void ZweiStundenPunkt(const Sonnenuhr& uhr, int N, tSkioraPoint& rec, double T1, double T2);
// The same for a record whose decl and eot are already set.
void ZweiStundenPunktAus(const Sonnenuhr& uhr, tSkioraPoint& rec, double T1, double T2);

// Grid search of methods 2 to 4 for one usable date: moves rec.x, rec.y to
// the best candidate and returns its criterion. Entries 1..20 of H are used.
double GitterSuche(const Sonnenuhr& uhr, int methode, const StundenListe& H, const StundenListe& W,
                   tSkioraPoint& rec, bool vormittag);

// A number of the hour-input table (comma taken as point); empty cells and
// text that is not a number give nothing.
std::optional<double> EingabeZahl(const Gitter& g, int spalte, int zeile);
// Tells the user that a list was cut to `grenze` hours.
void ZuVieleStunden(Sonnenuhr& uhr, int grenze);

// The hour lists written back into the input table: hours in columns 1 and
// 3, weights under `gewichtKopf` in columns 2 and 4, in the rows `gewichte`
// names (method 1 shows its interval in row 2, methods 2 and 3 every weight).
enum class GewichtZeilen { Keine, Zweite, Alle };
void EingabeZurueckschreiben(Sonnenuhr& uhr, const std::string& gewichtKopf,
                             GewichtZeilen gewichte);

// Writes the date table, the two error tables and the summary of a split dial.
void SplitTabellen(Sonnenuhr& uhr, const DatumsFeld& vor, const DatumsFeld& nach);
// Status 21: empties the result tables and the picture.
void SplitVerwerfen(Sonnenuhr& uhr);

} // namespace skiora

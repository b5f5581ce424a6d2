#include "KachelTexte.h"

namespace skiora::lang::kacheln {

// clang-format off
const Zweisprachig Titel{"Die Sonnenuhr in Originalgröße", "The sundial at full size"};
const Zweisprachig TitelDatum{"Die Datumsskala in Originalgröße", "The date scale at full size"};
const Zweisprachig Angaben{"Maßstab 1:%1, Papier %2: %3 Blätter, mit dieser Übersicht %4 Seiten.",
                           "Scale 1:%1, paper %2: %3 sheets, with this map %4 pages."};
const Zweisprachig Anleitung{
    "Drucken Sie ohne Anpassung an die Seite (100 %) und prüfen Sie mit den Linealen unten auf jeder Seite, dass der Drucker nicht verkleinert hat. Schneiden Sie jedes Blatt an den Schnittmarken seines linken und oberen Randes, legen Sie es über seine Nachbarn, bis die Passkreuze übereinanderliegen, und kleben Sie es fest. Die Namen an den Rändern nennen die Nachbarblätter. Die Kreuze in den Stundenpunkten zeigen deren Mitte.",
    "Print without fitting to the page (100 %) and check with the rulers at the foot of every page that the printer did not scale. Cut every sheet along the marks of its left and top edge, lay it over its neighbours until the registration crosses meet, and glue it down. The names at the edges name the neighbouring sheets. The crosses in the hour points mark their centres."};
const Zweisprachig Massstab{"Maßstab 1:%1", "Scale 1:%1"};
const Zweisprachig Seite{"Seite %1 von %2", "page %1 of %2"};
const Zweisprachig Leer{"Die Uhr hat nichts zu drucken.", "The dial has nothing to print."};

const Zweisprachig Menue{"Kacheln in Originalgröße ...", "Full-size tiles ..."};
const Zweisprachig DialogTitel{"Kacheln in Originalgröße", "Full-size tiles"};
const Zweisprachig DialogMassstab{"Maßstab 1:", "Scale 1:"};
const Zweisprachig DialogPapier{"Papier", "Paper"};
const Zweisprachig DialogTeil{"Teil", "Part"};
const Zweisprachig TeilUhr{"die ganze Uhr", "the whole dial"};
const Zweisprachig TeilDatum{"nur die Datumsskala", "the date scale alone"};
const Zweisprachig DialogSeiten{"%1 Blätter (%2 × %3), mit der Übersicht %4 Seiten",
                                "%1 sheets (%2 × %3), with the map %4 pages"};
const Zweisprachig DialogZuViele{"Mehr als %1 Blätter: bitte einen kleineren Maßstab wählen.",
                                 "More than %1 sheets: please choose a smaller scale."};
const Zweisprachig DialogPdf{"Als PDF speichern ...", "Save as PDF ..."};
const Zweisprachig DialogDrucken{"Drucken ...", "Print ..."};
const Zweisprachig DialogSchliessen{"Schließen", "Close"};
const Zweisprachig DruckFehler{"Die Kacheln konnten nicht gedruckt werden.",
                               "The tiles could not be printed."};
const Zweisprachig DialogLeer{"Keine Uhr zu drucken: die Rechnung wurde abgelehnt.",
                              "No dial to print: the calculation was refused."};

const Zweisprachig ZuVieleSeiten{
    "Die Kacheln brauchten mehr als %1 Blätter. Bitte einen kleineren Maßstab wählen (--scale).",
    "The tiles would need more than %1 sheets. Please choose a smaller scale (--scale)."};
const Zweisprachig NichtsZuDrucken{"Keine Uhr zu drucken: die Rechnung wurde abgelehnt.",
                                   "No dial to print: the calculation was refused."};
// clang-format on

} // namespace skiora::lang::kacheln

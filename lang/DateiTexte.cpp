#include "lang/DateiTexte.h"

namespace skiora::lang::dateitext {

const Zweisprachig SchreibenAnfang{"Die Datei ", "Cannot write the file "};
const Zweisprachig SchreibenMitte{" kann nicht geschrieben werden: ", ": "};
const Zweisprachig LesenAnfang{"Die Datei ", "Cannot read the file "};
const Zweisprachig LesenMitte{" kann nicht gelesen werden: ", ": "};

const Zweisprachig KeinPlatz{"kein Platz mehr auf dem Datenträger", "no space left on the device"};
const Zweisprachig ZuGross{"die Datei wird zu groß", "the file would be too large"};
const Zweisprachig KeineBerechtigung{"keine Schreibberechtigung", "no permission to write"};
const Zweisprachig Schreibgeschuetzt{"der Datenträger ist schreibgeschützt",
                                     "the device is read-only"};
const Zweisprachig OrdnerFehlt{"den Ordner gibt es nicht", "the folder does not exist"};
const Zweisprachig DateiFehlt{"die Datei gibt es nicht", "no such file"};
const Zweisprachig KeinOrdnerImPfad{"ein Teil des Pfades ist kein Ordner",
                                    "a part of the path is not a folder"};
const Zweisprachig IstOrdner{"das ist ein Ordner", "this is a folder"};
const Zweisprachig NameZuLang{"der Name ist zu lang", "the name is too long"};
const Zweisprachig ZuVieleLinks{"zu viele symbolische Verknüpfungen", "too many symbolic links"};
const Zweisprachig PipeOhneLeser{"niemand liest aus der Pipe", "nobody reads from the pipe"};
const Zweisprachig TempErsetzt{"die temporäre Datei wurde von außen ersetzt",
                               "the temporary file was replaced from outside"};
const Zweisprachig EinAusgabe{"Ein-/Ausgabefehler des Datenträgers",
                              "input/output error of the device"};
const Zweisprachig Systemfehler{"Systemfehler ", "system error "};

const Zweisprachig BildNichtErzeugt{"das Bild konnte nicht erzeugt werden",
                                    "the picture could not be made"};
const Zweisprachig SvgNichtErzeugt{"die SVG-Zeichnung konnte nicht erzeugt werden",
                                   "the SVG drawing could not be made"};
const Zweisprachig PdfNichtErzeugt{"das PDF konnte nicht erzeugt werden",
                                   "the PDF could not be made"};

} // namespace skiora::lang::dateitext

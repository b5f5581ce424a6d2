#pragma once
// Writing laid-out pages as a PDF file, for the window and the command line:
// the PDF is made in memory by the writer handed in (Qt's, at the edge) and
// written through the one safe path; failures go to the document's Melder.
#include "Laengen.h"
#include "draw/Kacheln.h"
#include "draw/Seitensatz.h"

#include <functional>
#include <optional>
#include <string>

namespace skiora {
class Sonnenuhr;
}

namespace skiora::report {

using PdfMacher =
    std::function<std::optional<std::string>(const draw::Seitensatz&, const std::string& titel)>;

bool SeitenSchreiben(Sonnenuhr& uhr, const draw::Seitensatz& satz, const std::string& titel,
                     const std::string& pfad, const PdfMacher& pdf);

// The documents' titles in the document's language, with the site's name.
std::string AbsteckTitel(const Sonnenuhr& uhr);
std::string KachelTitel(const Sonnenuhr& uhr, bool nurDatum);

// What the tiles show: the whole dial or its date scale.
modell::Modell KachelModell(const Sonnenuhr& uhr, bool nurDatum);

// Reports that the tiles would exceed the page limit.
void ZuVieleSeitenMelden(Sonnenuhr& uhr);

} // namespace skiora::report

#pragma once
// Pages laid out in plain C++ onto paper: a PDF document made in memory (the
// caller writes it through the safe path) or a printer. Vector output at
// true size: one page unit is exactly its fraction of a millimetre.
#include "draw/Seitensatz.h"

#include <optional>
#include <string>

class QPrinter;

namespace skiora::report {

// The PDF file's bytes; nothing when the PDF writer failed.
std::optional<std::string> SeitenAlsPdf(const draw::Seitensatz& satz, const std::string& titel);

// Prints on the printer as it is set up, on the pages' paper and over the
// whole sheet; the printer's page set-up is restored afterwards. False, and
// the job aborted, on failure.
bool SeitenDrucken(QPrinter& drucker, const draw::Seitensatz& satz, const std::string& titel);

} // namespace skiora::report

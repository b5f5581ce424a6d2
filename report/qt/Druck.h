#pragma once
// The printer side of printing: the document on a QPrinter in the 0.1 mm
// page mapping, the dial page and the lists, and the PDF files of the
// command line (--print-pdf, --lists-pdf).
#include "cli/Befehlszeile.h"
#include "core/Sonnenuhr.h"
#include "report/Listen.h"
#include "report/Seite.h"

#include <string>
#include <vector>

class QPrinter;
class QPainter;

namespace skiora::report {

// The printable area of the printer's current paper and orientation.
DruckerMasse MasseVon(const QPrinter& drucker);

// Begins the document on `painter`, fills the page geometry and sets the
// mapping: one unit 0.1 mm, y downward, origin at the printable corner.
bool DruckBeginn(QPrinter& drucker, QPainter& painter, Seitengeometrie& geo);

// Landscape while it lives, portrait again afterwards, whatever happens.
class Querformat {
  public:
    explicit Querformat(QPrinter& drucker);
    ~Querformat();
    Querformat(const Querformat&) = delete;
    Querformat& operator=(const Querformat&) = delete;

  private:
    QPrinter& drucker_;
};

// The dial on one page with its title and legend. `schirmBreite` is the
// width of the screen picture the pan was made on. False when the job
// failed; it is then aborted, not left open.
bool UhrDrucken(Sonnenuhr& uhr, QPrinter& drucker, int schirmBreite);

// The chosen lists; false (job aborted) on failure.
bool ListenDruckenAuf(Sonnenuhr& uhr, QPrinter& drucker, const std::vector<Abschnitt>& abschnitte,
                      const ListenKopf& kopf);

// --print-pdf and --lists-pdf: A4 PDF files, written through a temporary
// file renamed into place. False with a message in `fehler` on failure.
bool SchreibeDrucke(Sonnenuhr& uhr, const cli::Befehlszeile& bz, std::string& fehler);

} // namespace skiora::report

#pragma once
// The printer side of printing: the document on a printer or a PDF in the
// 0.1 mm page mapping, the dial page and the lists, and the PDF files (the
// command line's --print-pdf and --lists-pdf, a print dialog's "print to
// file"), made in memory and written by the one safe write path.
#include "cli/Befehlszeile.h"
#include "core/Sonnenuhr.h"
#include "report/Listen.h"
#include "report/Seite.h"

#include <functional>
#include <string>
#include <vector>

class QPageLayout;
class QPagedPaintDevice;
class QPainter;

namespace skiora::report {

// The printable area of the printer's current paper and orientation. A
// printer is a QPrinter; a PDF, a QPdfWriter.
DruckerMasse MasseVon(const QPagedPaintDevice& drucker);

// Begins the document on `painter`, fills the page geometry and sets the
// mapping: one unit 0.1 mm, y downward, origin at the printable corner.
bool DruckBeginn(QPagedPaintDevice& drucker, QPainter& painter, Seitengeometrie& geo);

// Landscape while it lives, portrait again afterwards, whatever happens.
class Querformat {
  public:
    explicit Querformat(QPagedPaintDevice& drucker);
    ~Querformat();
    Querformat(const Querformat&) = delete;
    Querformat& operator=(const Querformat&) = delete;

  private:
    QPagedPaintDevice& drucker_;
};

// The dial on one page with its title and legend. `schirmBreite` is the
// width of the screen picture the pan was made on. False when the job
// failed; it is then aborted, not left open.
bool UhrDrucken(Sonnenuhr& uhr, QPagedPaintDevice& drucker, int schirmBreite);

// The chosen lists; false (job aborted) on failure.
bool ListenDruckenAuf(Sonnenuhr& uhr, QPagedPaintDevice& drucker,
                      const std::vector<Abschnitt>& abschnitte, const ListenKopf& kopf);

// A PDF file of what `druck` paints on the page layout `lage`. False with
// message 42 and the reason (a line each, in the document's language)
// appended to `fehler`; the previous file is then untouched.
bool PdfSchreiben(Sonnenuhr& uhr, const std::string& pfad, const QPageLayout& lage, int dpi,
                  const std::function<bool(QPagedPaintDevice&)>& druck, std::string& fehler);

// --print-pdf and --lists-pdf: A4 PDF files. A file that cannot be written
// does not stop the other; false with the messages in `fehler`.
bool SchreibeDrucke(Sonnenuhr& uhr, const cli::Befehlszeile& bz, std::string& fehler);

} // namespace skiora::report

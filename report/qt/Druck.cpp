#include "Druck.h"

#include "draw/Zeichnung.h"
#include "draw/qt/Bilder.h"
#include "draw/qt/QtLeinwand.h"
#include "lang/Texte.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include <cmath>
#include <exception>
#include <filesystem>
#include <system_error>

namespace skiora::report {

namespace {

// The printer's pages as the list printing sees them.
class DruckerSeiten : public SeitenFolge {
  public:
    DruckerSeiten(QPrinter& drucker, QPainter& painter, int breite, int hoehe)
        : drucker_(drucker), painter_(painter), breite_(breite), hoehe_(hoehe) {}
    void NeueSeite() override {
        // The page mapping and the drawing state outlive the page break.
        const QTransform t = painter_.worldTransform();
        if (!drucker_.newPage()) fehler = true;
        painter_.setWorldTransform(t);
    }
    int Breite() const override { return breite_; }
    int Hoehe() const override { return hoehe_; }
    bool fehler = false;

  private:
    QPrinter& drucker_;
    QPainter& painter_;
    int breite_, hoehe_;
};

// Ends the document; a failed job is aborted so that no half page goes out.
bool Abschliessen(QPrinter& drucker, QPainter& painter, bool ok) {
    if (ok && drucker.printerState() != QPrinter::Error) return painter.end();
    drucker.abort();
    if (painter.isActive()) painter.end();
    return false;
}

} // namespace

DruckerMasse MasseVon(const QPrinter& drucker) {
    const QPageLayout lage = drucker.pageLayout();
    const int dpi = drucker.resolution();
    const QRect innen = lage.paintRectPixels(dpi);
    const QRectF mm = lage.paintRect(QPageLayout::Millimeter);
    DruckerMasse m;
    m.hs = static_cast<int>(std::lround(mm.width()));
    m.vs = static_cast<int>(std::lround(mm.height()));
    m.hr = innen.width();
    m.vr = innen.height();
    m.ox = innen.left();
    m.oy = innen.top();
    m.hochformat = lage.orientation() == QPageLayout::Portrait;
    return m;
}

bool DruckBeginn(QPrinter& drucker, QPainter& painter, Seitengeometrie& geo) {
    if (!painter.begin(&drucker)) return false;
    geo = SeitenRand(MasseVon(drucker));
    const double s = drucker.resolution() / 254.0;
    painter.setWorldTransform(QTransform::fromScale(s, s));
    return true;
}

Querformat::Querformat(QPrinter& drucker) : drucker_(drucker) {
    drucker_.setPageOrientation(QPageLayout::Landscape);
}

Querformat::~Querformat() {
    drucker_.setPageOrientation(QPageLayout::Portrait);
}

bool UhrDrucken(Sonnenuhr& uhr, QPrinter& drucker, int schirmBreite) {
    QPainter painter;
    const Rahmen vorher = uhr.rahmen;
    bool ok = false;
    try {
        Seitengeometrie geo;
        if (DruckBeginn(drucker, painter, geo)) {
            geo.SeiteUhrHoehe = UhrHoehe(geo.SeiteBreite);
            // The blanking of the page finish covers the printable area only;
            // a PDF page also shows what lies beyond it, so clip to the frame.
            painter.setClipRect(
                QRect(geo.SeiteLinks, geo.SeiteOben, geo.SeiteBreite, geo.SeiteHoehe + 1));
            draw::QtLeinwand lw(painter);
            lw.SchriftName("Arial");
            lw.SchriftHoehe(40);
            draw::ZeichneUhr(uhr, lw, PapierZiel(uhr, geo, schirmBreite));
            ok = true;
        }
    } catch (const std::exception&) {
        ok = false;
    }
    // The screen picture's frame values stay those of the screen.
    const int schirm = uhr.rahmen.SchirmBildBreite;
    uhr.rahmen = vorher;
    uhr.rahmen.SchirmBildBreite = schirm;
    return Abschliessen(drucker, painter, ok);
}

bool ListenDruckenAuf(Sonnenuhr& uhr, QPrinter& drucker, const std::vector<Abschnitt>& abschnitte,
                      const ListenKopf& kopf) {
    QPainter painter;
    bool ok = false;
    try {
        Seitengeometrie geo;
        if (DruckBeginn(drucker, painter, geo)) {
            // The lists use the printable area in the printer's own orientation.
            const QRectF mm = drucker.pageLayout().paintRect(QPageLayout::Millimeter);
            DruckerSeiten seiten(drucker, painter, static_cast<int>(mm.width() * 10),
                                 static_cast<int>(mm.height() * 10));
            draw::QtLeinwand lw(painter);
            ListenDrucken(uhr, lw, seiten, abschnitte, kopf);
            ok = !seiten.fehler;
        }
    } catch (const std::exception&) {
        ok = false;
    }
    return Abschliessen(drucker, painter, ok);
}

namespace {

// A PDF printer on A4 with 5 mm margins, writing to `datei`.
void PdfDrucker(QPrinter& drucker, const std::string& datei) {
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(QString::fromStdString(datei));
    drucker.setPageSize(QPageSize(QPageSize::A4));
    drucker.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
    drucker.setPageOrientation(QPageLayout::Portrait);
}

bool PdfSchreiben(Sonnenuhr& uhr, const std::string& pfad,
                  const std::function<bool(QPrinter&)>& druck, std::string& fehler) {
    namespace fs = std::filesystem;
    const fs::path ziel(pfad);
    fs::path tmp = ziel;
    tmp += ".part";
    bool ok = false;
    {
        QPrinter drucker(QPrinter::HighResolution);
        PdfDrucker(drucker, tmp.string());
        ok = druck(drucker);
    }
    std::error_code ec;
    if (ok && fs::is_regular_file(tmp, ec)) {
        fs::rename(tmp, ziel, ec);
        if (!ec) return true;
    }
    fs::remove(tmp, ec);
    fehler = lang::Meldung(uhr.sprache.Sprache, 42) + " " + pfad;
    return false;
}

} // namespace

bool SchreibeDrucke(Sonnenuhr& uhr, const cli::Befehlszeile& bz, std::string& fehler) {
    if (bz.printPdf) {
        int schirm = uhr.rahmen.SchirmBildBreite;
        if (schirm <= 0) {
            QSize g(draw::StandardBildBreite, draw::StandardBildHoehe);
            if (bz.groesse) g = QSize(bz.groesse->first, bz.groesse->second);
            schirm = draw::SchmalesBild(g).width();
        }
        const auto druck = [&](QPrinter& d) {
            Querformat quer(d);
            return UhrDrucken(uhr, d, schirm);
        };
        if (!PdfSchreiben(uhr, *bz.printPdf, druck, fehler)) return false;
    }
    if (bz.listsPdf) {
        const auto kopf = ListenKopfBauen(uhr, fehler);
        if (!kopf) return false;
        const auto abschnitte = Abschnitte(uhr, Anzeige::Grafik, true);
        const auto druck = [&](QPrinter& d) { return ListenDruckenAuf(uhr, d, abschnitte, *kopf); };
        if (!PdfSchreiben(uhr, *bz.listsPdf, druck, fehler)) return false;
    }
    return true;
}

} // namespace skiora::report

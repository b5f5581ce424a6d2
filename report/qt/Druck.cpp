#include "Druck.h"

#include "core/Datei.h"
#include "draw/Zeichnung.h"
#include "draw/qt/Bilder.h"
#include "draw/qt/QtLeinwand.h"
#include "lang/DateiTexte.h"
#include "lang/Texte.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <cmath>
#include <exception>
#include <string_view>

namespace skiora::report {

namespace {

// The printer's pages as the list printing sees them.
class DruckerSeiten : public SeitenFolge {
  public:
    DruckerSeiten(QPagedPaintDevice& drucker, QPainter& painter, int breite, int hoehe)
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
    QPagedPaintDevice& drucker_;
    QPainter& painter_;
    int breite_, hoehe_;
};

// Ends the document; a failed job on a printer is aborted so that no half
// page goes out (a PDF in memory is simply not written).
bool Abschliessen(QPagedPaintDevice& geraet, QPainter& painter, bool ok) {
    auto* drucker = dynamic_cast<QPrinter*>(&geraet);
    if (ok && !(drucker && drucker->printerState() == QPrinter::Error)) return painter.end();
    if (drucker) drucker->abort();
    if (painter.isActive()) painter.end();
    return false;
}

} // namespace

DruckerMasse MasseVon(const QPagedPaintDevice& drucker) {
    const QPageLayout lage = drucker.pageLayout();
    const int dpi = drucker.logicalDpiX();
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

bool DruckBeginn(QPagedPaintDevice& drucker, QPainter& painter, Seitengeometrie& geo) {
    if (!painter.begin(&drucker)) return false;
    geo = SeitenRand(MasseVon(drucker));
    const double s = drucker.logicalDpiX() / 254.0;
    painter.setWorldTransform(QTransform::fromScale(s, s));
    return true;
}

Querformat::Querformat(QPagedPaintDevice& drucker) : drucker_(drucker) {
    drucker_.setPageOrientation(QPageLayout::Landscape);
}

Querformat::~Querformat() {
    drucker_.setPageOrientation(QPageLayout::Portrait);
}

bool UhrDrucken(Sonnenuhr& uhr, QPagedPaintDevice& drucker, int schirmBreite) {
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

bool ListenDruckenAuf(Sonnenuhr& uhr, QPagedPaintDevice& drucker,
                      const std::vector<Abschnitt>& abschnitte, const ListenKopf& kopf) {
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

bool PdfSchreiben(Sonnenuhr& uhr, const std::string& pfad, const QPageLayout& lage, int dpi,
                  const std::function<bool(QPagedPaintDevice&)>& druck, std::string& fehler) {
    const int sprache = uhr.sprache.Sprache;
    QByteArray daten;
    bool ok = false;
    {
        QBuffer puffer(&daten);
        if (puffer.open(QIODevice::WriteOnly)) {
            QPdfWriter pdf(&puffer);
            pdf.setCreator(QStringLiteral("Skiora"));
            pdf.setResolution(dpi);
            pdf.setPageLayout(lage);
            ok = druck(pdf);
        }
    }
    std::string grund;
    if (!ok || daten.isEmpty()) {
        grund = datei::SchreibFehlerText(
            pfad, lang::Text(sprache, lang::dateitext::PdfNichtErzeugt), sprache);
    } else {
        const auto r = datei::SicherSchreiben(
            pfad, std::string_view(daten.constData(), static_cast<size_t>(daten.size())), sprache);
        if (r) return true;
        grund = r.meldung;
    }
    fehler += (fehler.empty() ? "" : "\n") + lang::Meldung(sprache, 42) + "\n" + grund;
    return false;
}

bool SchreibeDrucke(Sonnenuhr& uhr, const cli::Befehlszeile& bz, std::string& fehler) {
    // A4 with 5 mm margins, portrait; the dial page turns it to landscape.
    const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                         QPageLayout::Millimeter);
    constexpr int dpi = 1200;
    bool ok = true;
    if (bz.printPdf) {
        int schirm = uhr.rahmen.SchirmBildBreite;
        if (schirm <= 0) {
            QSize g(draw::StandardBildBreite, draw::StandardBildHoehe);
            if (bz.groesse) g = QSize(bz.groesse->first, bz.groesse->second);
            schirm = draw::SchmalesBild(g).width();
        }
        const auto druck = [&](QPagedPaintDevice& d) {
            Querformat quer(d);
            return UhrDrucken(uhr, d, schirm);
        };
        ok = PdfSchreiben(uhr, *bz.printPdf, a4, dpi, druck, fehler) && ok;
    }
    if (bz.listsPdf) {
        std::string kopfFehler;
        const auto kopf = ListenKopfBauen(uhr, kopfFehler);
        if (!kopf) {
            fehler += (fehler.empty() ? "" : "\n") + kopfFehler;
            return false;
        }
        const auto abschnitte = Abschnitte(uhr, Anzeige::Grafik, true);
        const auto druck = [&](QPagedPaintDevice& d) {
            return ListenDruckenAuf(uhr, d, abschnitte, *kopf);
        };
        ok = PdfSchreiben(uhr, *bz.listsPdf, a4, dpi, druck, fehler) && ok;
    }
    return ok;
}

} // namespace skiora::report

#include "SeitenPdf.h"

#include "draw/qt/QtLeinwand.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <exception>

namespace skiora::report {

namespace {

QPageSize Seitengroesse(const draw::Papier& papier) {
    if (papier.name == "A4") return QPageSize(QPageSize::A4);
    if (papier.name == "A3") return QPageSize(QPageSize::A3);
    if (papier.name == "Letter") return QPageSize(QPageSize::Letter);
    return QPageSize(QSizeF(papier.breite / 10.0, papier.hoehe / 10.0), QPageSize::Millimeter,
                     QString::fromStdString(papier.name));
}

// Draws every page; the painter maps page units onto the device's pixels.
bool Malen(QPagedPaintDevice& geraet, QPainter& painter, const draw::Seitensatz& satz, int dpi) {
    if (!painter.begin(&geraet)) return false;
    const double s = dpi / 25.4 / satz.einheitenJeMm;
    draw::QtLeinwand lw(painter);
    for (int i = 0; i < satz.seiten; ++i) {
        if (i > 0 && !geraet.newPage()) return false;
        painter.resetTransform();
        painter.setWorldTransform(QTransform::fromScale(s, s));
        satz.zeichne(lw, i);
    }
    return true;
}

} // namespace

std::optional<std::string> SeitenAlsPdf(const draw::Seitensatz& satz, const std::string& titel) {
    if (satz.seiten < 1) return std::nullopt;
    QByteArray bytes;
    QBuffer puffer(&bytes);
    if (!puffer.open(QIODevice::WriteOnly)) return std::nullopt;
    bool ok = false;
    {
        QPdfWriter pdf(&puffer);
        pdf.setCreator(QStringLiteral("Skiora"));
        pdf.setTitle(QString::fromStdString(titel));
        pdf.setPageLayout(
            QPageLayout(Seitengroesse(satz.papier), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        try {
            ok = Malen(pdf, painter, satz, pdf.resolution());
        } catch (const std::exception&) {
            ok = false;
        }
        if (painter.isActive()) ok = painter.end() && ok;
    }
    puffer.close();
    if (!ok || bytes.isEmpty()) return std::nullopt;
    return bytes.toStdString();
}

bool SeitenDrucken(QPrinter& drucker, const draw::Seitensatz& satz, const std::string& titel) {
    if (satz.seiten < 1) return false;
    // The program's printer keeps its set-up for the other print commands.
    struct Zurueck {
        QPrinter& d;
        QPageLayout lage = d.pageLayout();
        bool ganz = d.fullPage();
        ~Zurueck() {
            d.setFullPage(ganz);
            d.setPageLayout(lage);
        }
    } zurueck{drucker};
    drucker.setDocName(QString::fromStdString(titel));
    drucker.setFullPage(true);
    drucker.setPageLayout(
        QPageLayout(Seitengroesse(satz.papier), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    bool ok = false;
    try {
        ok = Malen(drucker, painter, satz, drucker.resolution());
    } catch (const std::exception&) {
        ok = false;
    }
    if (ok && drucker.printerState() != QPrinter::Error) return painter.end();
    drucker.abort();
    if (painter.isActive()) painter.end();
    return false;
}

} // namespace skiora::report

#include "Bilder.h"

#include "QtLeinwand.h"
#include "core/Zahlen.h"
#include "draw/FehlerGrafik.h"
#include "draw/Zeichnung.h"

#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <cmath>
#include <functional>

namespace skiora::draw {

QSize SchmalesBild(QSize g) {
    return {SchmaleBreite(g.width(), g.height()), g.height()};
}

void ZeichneAufBild(Sonnenuhr& uhr, QPainter& painter, QSize groesse) {
    QtLeinwand lw(painter);
    Ziel ziel;
    ziel.modus = Modus::Schirm;
    ziel.Breite = groesse.width();
    ziel.Hoehe = groesse.height();
    ZeichneUhr(uhr, lw, ziel);
}

void ZeichneFehlerBild(Sonnenuhr& uhr, QPainter& painter, QSize groesse) {
    QtLeinwand lw(painter);
    painter.fillRect(QRect(QPoint(0, 0), groesse), Qt::white);
    FehlerGrafik(uhr, lw, groesse.width(), groesse.height());
}

namespace {

using Maler = std::function<void(QPainter&)>;

bool SchreibePng(const std::string& pfad, QSize groesse, const Maler& malen, std::string& fehler) {
    QImage bild(groesse, QImage::Format_RGB32);
    bild.fill(Qt::white);
    {
        QPainter p(&bild);
        malen(p);
    }
    QSaveFile datei(QString::fromStdString(pfad));
    if (!datei.open(QIODevice::WriteOnly) || !bild.save(&datei, "PNG") || !datei.commit()) {
        fehler = "cannot write " + pfad;
        return false;
    }
    return true;
}

bool SchreibeSvg(const std::string& pfad, QSize groesse, const Maler& malen, std::string& fehler) {
    QSaveFile datei(QString::fromStdString(pfad));
    if (!datei.open(QIODevice::WriteOnly)) {
        fehler = "cannot write " + pfad;
        return false;
    }
    QSvgGenerator svg;
    svg.setOutputDevice(&datei);
    svg.setSize(groesse);
    svg.setViewBox(QRect(QPoint(0, 0), groesse));
    svg.setTitle(QStringLiteral("Skiora"));
    {
        QPainter p(&svg);
        p.fillRect(QRect(QPoint(0, 0), groesse), Qt::white);
        malen(p);
    }
    if (!datei.commit()) {
        fehler = "cannot write " + pfad;
        return false;
    }
    return true;
}

} // namespace

bool SchreibeBilder(Sonnenuhr& uhr, const cli::Befehlszeile& bz, std::string& fehler) {
    if (bz.ansicht) {
        const auto& v = *bz.ansicht;
        const double grenze = 1e7;
        if (!(v[0] > 0 && std::isfinite(v[0])) || !(std::abs(v[1]) <= grenze) ||
            !(std::abs(v[2]) <= grenze)) {
            fehler = "--view: the zoom must be positive and the pans within 10000000";
            return false;
        }
        uhr.ansicht.Zoom = v[0];
        uhr.ansicht.DeltaX = Naechste(v[1]);
        uhr.ansicht.DeltaY = Naechste(v[2]);
    }
    QSize groesse(StandardBildBreite, StandardBildHoehe);
    if (bz.groesse) groesse = QSize(bz.groesse->first, bz.groesse->second);
    if (groesse.width() < 1 || groesse.height() < 1 || groesse.width() > 20000 ||
        groesse.height() > 20000) {
        fehler = "--size: width and height must lie between 1 and 20000";
        return false;
    }
    groesse = SchmalesBild(groesse);
    const Maler uhrMalen = [&](QPainter& p) { ZeichneAufBild(uhr, p, groesse); };
    if (bz.png && !SchreibePng(*bz.png, groesse, uhrMalen, fehler)) return false;
    if (bz.svg && !SchreibeSvg(*bz.svg, groesse, uhrMalen, fehler)) return false;
    if (bz.errorPng) {
        const QSize fg(FehlerBildBreite, FehlerBildHoehe);
        const Maler fehlerMalen = [&](QPainter& p) { ZeichneFehlerBild(uhr, p, fg); };
        if (!SchreibePng(*bz.errorPng, fg, fehlerMalen, fehler)) return false;
    }
    return true;
}

} // namespace skiora::draw

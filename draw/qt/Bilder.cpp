#include "Bilder.h"

#include "QtLeinwand.h"
#include "core/Datei.h"
#include "core/Zahlen.h"
#include "draw/FehlerGrafik.h"
#include "draw/Zeichnung.h"
#include "lang/DateiTexte.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <functional>
#include <string_view>

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

// The picture as PNG bytes, made in memory; empty when Qt could not make it.
QByteArray PngDaten(QSize groesse, const Maler& malen) {
    QImage bild(groesse, QImage::Format_RGB32);
    if (bild.isNull()) return {};
    bild.fill(Qt::white);
    QPainter p;
    if (!p.begin(&bild)) return {};
    malen(p);
    if (!p.end()) return {};
    QByteArray daten;
    QBuffer puffer(&daten);
    if (!puffer.open(QIODevice::WriteOnly) || !bild.save(&puffer, "PNG")) return {};
    return daten;
}

QByteArray SvgDaten(QSize groesse, const Maler& malen) {
    QByteArray daten;
    QBuffer puffer(&daten);
    if (!puffer.open(QIODevice::WriteOnly)) return {};
    QSvgGenerator svg;
    svg.setOutputDevice(&puffer);
    svg.setSize(groesse);
    svg.setViewBox(QRect(QPoint(0, 0), groesse));
    svg.setTitle(QStringLiteral("Skiora"));
    QPainter p;
    if (!p.begin(&svg)) return {};
    p.fillRect(QRect(QPoint(0, 0), groesse), Qt::white);
    malen(p);
    if (!p.end()) return {};
    return daten;
}

// Hands the bytes to the one safe write path; `grund` says why there are none.
bool Schreibe(const std::string& pfad, const QByteArray& daten, const lang::Zweisprachig& grund,
              int sprache, std::string& fehler) {
    std::string meldung;
    if (daten.isEmpty()) {
        meldung = datei::SchreibFehlerText(pfad, lang::Text(sprache, grund), sprache);
    } else {
        const auto r = datei::SicherSchreiben(
            pfad, std::string_view(daten.constData(), static_cast<size_t>(daten.size())), sprache);
        if (r) return true;
        meldung = r.meldung;
    }
    fehler += (fehler.empty() ? "" : "\n") + meldung;
    return false;
}

} // namespace

bool SchreibeBilder(Sonnenuhr& uhr, const cli::Befehlszeile& bz, std::string& fehler) {
    // The command line checked --view and --size before anything was written.
    if (bz.ansicht) {
        const auto& v = *bz.ansicht;
        uhr.ansicht.Zoom = v[0];
        uhr.ansicht.DeltaX = Naechste(v[1]);
        uhr.ansicht.DeltaY = Naechste(v[2]);
    }
    QSize groesse(StandardBildBreite, StandardBildHoehe);
    if (bz.groesse) groesse = QSize(bz.groesse->first, bz.groesse->second);
    groesse = SchmalesBild(groesse);
    const int sprache = uhr.sprache.Sprache;
    namespace dt = lang::dateitext;
    const Maler uhrMalen = [&](QPainter& p) { ZeichneAufBild(uhr, p, groesse); };
    // Each picture on its own: one that cannot be written does not stop the others.
    bool ok = true;
    if (bz.png)
        ok =
            Schreibe(*bz.png, PngDaten(groesse, uhrMalen), dt::BildNichtErzeugt, sprache, fehler) &&
            ok;
    if (bz.svg)
        ok = Schreibe(*bz.svg, SvgDaten(groesse, uhrMalen), dt::SvgNichtErzeugt, sprache, fehler) &&
             ok;
    if (bz.errorPng) {
        const QSize fg(FehlerBildBreite, FehlerBildHoehe);
        const Maler fehlerMalen = [&](QPainter& p) { ZeichneFehlerBild(uhr, p, fg); };
        ok = Schreibe(*bz.errorPng, PngDaten(fg, fehlerMalen), dt::BildNichtErzeugt, sprache,
                      fehler) &&
             ok;
    }
    return ok;
}

} // namespace skiora::draw

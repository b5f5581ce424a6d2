#include "QtLeinwand.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QRect>

#include <algorithm>

namespace skiora::draw {

namespace {
QColor Farbwert(Farbe f) {
    return QColor(RotAnteil(f), GruenAnteil(f), BlauAnteil(f));
}

// The box of a GDI rectangle: (x2, y2) lies just outside; either corner may come first.
QRect Kasten(int x1, int y1, int x2, int y2) {
    return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                 QPoint(std::max(x1, x2) - 1, std::max(y1, y2) - 1));
}
} // namespace

QString SchriftFamilie(const std::string& name) {
    if (name == "Arial") return QStringLiteral("Liberation Sans");
    if (name == "MS Serif") return QStringLiteral("Liberation Mono");
    return QString::fromStdString(name);
}

QtLeinwand::QtLeinwand(QPainter& painter) : p_(painter) {
    p_.setRenderHint(QPainter::Antialiasing, false);
    p_.setRenderHint(QPainter::TextAntialiasing, false);
}

const QFontMetrics& QtLeinwand::Metrik() {
    if (!font_ || !(zuletzt_ == schrift)) {
        QFont f(SchriftFamilie(schrift.name));
        f.setPixelSize(std::max(1, schrift.hoehe));
        f.setBold(schrift.fett);
        f.setStyleStrategy(QFont::NoAntialias);
        font_ = f;
        metrik_.emplace(f);
        zuletzt_ = schrift;
    }
    return *metrik_;
}

void QtLeinwand::Anwenden(bool mitPinsel) {
    if (stift.art == StiftArt::Unsichtbar) {
        p_.setPen(Qt::NoPen);
    } else {
        QPen pen(Farbwert(stift.farbe));
        // One-pixel lines as the platform draws them: both ends on the grid.
        if (stift.breite <= 1)
            pen.setCosmetic(true);
        else
            pen.setWidth(stift.breite);
        pen.setCapStyle(Qt::SquareCap);
        p_.setPen(pen);
    }
    if (mitPinsel && pinsel.art == PinselArt::Voll)
        p_.setBrush(Farbwert(pinsel.farbe));
    else
        p_.setBrush(Qt::NoBrush);
}

void QtLeinwand::Linie(int x1, int y1, int x2, int y2) {
    Anwenden(false);
    p_.drawLine(x1, y1, x2, y2);
}

void QtLeinwand::Rectangle(int x1, int y1, int x2, int y2) {
    const QRect r = Kasten(x1, y1, x2, y2);
    if (r.isEmpty()) return;
    if (pinsel.art == PinselArt::Voll) p_.fillRect(r, Farbwert(pinsel.farbe));
    if (stift.art == StiftArt::Voll) {
        Anwenden(false);
        p_.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

void QtLeinwand::Ellipse(int x1, int y1, int x2, int y2) {
    const QRect r = Kasten(x1, y1, x2, y2);
    if (r.isEmpty()) return;
    Anwenden(true);
    p_.drawEllipse(r.adjusted(0, 0, -1, -1));
}

void QtLeinwand::TextOut(int x, int y, const std::string& text) {
    const QString t = QString::fromStdString(text);
    const QFontMetrics& fm = Metrik();
    if (pinsel.art == PinselArt::Voll)
        p_.fillRect(QRect(x, y, fm.horizontalAdvance(t), fm.height()), Farbwert(pinsel.farbe));
    p_.setFont(*font_);
    p_.setPen(Farbwert(schrift.farbe));
    p_.drawText(x, y + fm.ascent(), t);
}

int QtLeinwand::TextWidth(const std::string& text) {
    return Metrik().horizontalAdvance(QString::fromStdString(text));
}

int QtLeinwand::TextHeight(const std::string&) {
    return Metrik().height();
}

void QtLeinwand::Ausschnitt(int x1, int y1, int x2, int y2) {
    p_.setClipRect(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                         QPoint(std::max(x1, x2) - 1, std::max(y1, y2) - 1)));
}

void QtLeinwand::OhneAusschnitt() {
    p_.setClipping(false);
}

} // namespace skiora::draw

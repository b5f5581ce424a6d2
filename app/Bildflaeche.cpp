#include "app/Bildflaeche.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace skiora::app {

QString GezogeneKonfiguration(const QMimeData* daten) {
    if (!daten || !daten->hasUrls() || daten->urls().size() != 1) return {};
    const QUrl url = daten->urls().front();
    if (!url.isLocalFile()) return {};
    const QString pfad = url.toLocalFile();
    const QString endung = QFileInfo(pfad).suffix().toLower();
    return endung == "ini" || endung == "adt" ? pfad : QString();
}

Bildflaeche::Bildflaeche(const QString& name, Zeichner zeichner, QWidget* eltern)
    : QWidget(eltern), zeichner_(std::move(zeichner)) {
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAcceptDrops(true);
}

void Bildflaeche::neuZeichnen() {
    if (width() <= 0 || height() <= 0) return;
    if (bild_.size() != size()) bild_ = QImage(size(), QImage::Format_RGB32);
    bild_.fill(Qt::white);
    {
        QPainter maler(&bild_);
        zeichner_(maler, size());
    }
    ++zeichnungen_;
    update();
}

void Bildflaeche::paintEvent(QPaintEvent*) {
    if (bild_.size() != size()) neuZeichnen();
    QPainter maler(this);
    maler.drawImage(0, 0, bild_);
    emit gemalt();
}

void Bildflaeche::resizeEvent(QResizeEvent*) {
    neuZeichnen();
}

void Bildflaeche::mousePressEvent(QMouseEvent* e) {
    if (ziehbar_ && e->button() == Qt::LeftButton) {
        gedrueckt_ = true;
        zieht_ = false;
        start_ = e->position().toPoint();
    }
    QWidget::mousePressEvent(e);
}

void Bildflaeche::mouseMoveEvent(QMouseEvent* e) {
    if (gedrueckt_ && !zieht_ &&
        (e->position().toPoint() - start_).manhattanLength() >= QApplication::startDragDistance()) {
        zieht_ = true;
        setCursor(Qt::PointingHandCursor);
    }
    QWidget::mouseMoveEvent(e);
}

void Bildflaeche::mouseReleaseEvent(QMouseEvent* e) {
    if (gedrueckt_ && e->button() == Qt::LeftButton) {
        gedrueckt_ = false;
        if (zieht_) {
            zieht_ = false;
            unsetCursor();
            const QPoint d = e->position().toPoint() - start_;
            emit gezogen(d.x(), d.y());
        }
    }
    QWidget::mouseReleaseEvent(e);
}

void Bildflaeche::wheelEvent(QWheelEvent* e) {
    // A wheel gives 120 per notch; touchpads give less, more often.
    radRest_ += e->angleDelta().y();
    const int schritte = radRest_ / 120;
    radRest_ -= schritte * 120;
    if (schritte != 0) emit rad(e->position().toPoint(), schritte);
    e->accept();
}

// A configuration file dropped here is for the window to open; anything
// else dragged in from elsewhere is refused with a beep on the drop.
void Bildflaeche::dragEnterEvent(QDragEnterEvent* e) {
    e->acceptProposedAction();
}
void Bildflaeche::dragMoveEvent(QDragMoveEvent* e) {
    e->acceptProposedAction();
}
void Bildflaeche::dropEvent(QDropEvent* e) {
    const QString datei = GezogeneKonfiguration(e->mimeData());
    if (!datei.isEmpty()) {
        e->acceptProposedAction();
        emit konfigurationAbgelegt(datei);
        return;
    }
    e->ignore();
    QApplication::beep();
}

} // namespace skiora::app

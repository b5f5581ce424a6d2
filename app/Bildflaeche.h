#pragma once
// A picture control: keeps the last drawing in an image, so that a repaint of
// the window does not redraw the dial, and reports a drag of the picture.
#include <QImage>
#include <QPoint>
#include <QWidget>
#include <functional>

class QMimeData;

namespace skiora::app {

// The one local configuration file (*.ini, *.adt) a drag carries, or empty.
QString GezogeneKonfiguration(const QMimeData* daten);

class Bildflaeche : public QWidget {
    Q_OBJECT
  public:
    using Zeichner = std::function<void(QPainter&, QSize)>;
    Bildflaeche(const QString& name, Zeichner zeichner, QWidget* eltern = nullptr);

    // Draws the picture now at the control's size (nothing while it has none).
    void neuZeichnen();
    int zeichnungen() const { return zeichnungen_; }
    const QImage& bild() const { return bild_; }
    // Only the dial picture can be dragged.
    void setzeZiehbar(bool ja) { ziehbar_ = ja; }

  signals:
    void gezogen(int dx, int dy);
    // The mouse wheel over the picture: whole notches, positive away from
    // the user, at a position in the picture.
    void rad(QPoint wo, int schritte);
    void konfigurationAbgelegt(const QString& datei);
    void gemalt(); // after every paint of the control

  protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void wheelEvent(QWheelEvent*) override;
    void dragEnterEvent(QDragEnterEvent*) override;
    void dragMoveEvent(QDragMoveEvent*) override;
    void dropEvent(QDropEvent*) override;

  private:
    Zeichner zeichner_;
    QImage bild_;
    int zeichnungen_ = 0;
    bool ziehbar_ = false;
    bool gedrueckt_ = false;
    bool zieht_ = false;
    QPoint start_;
    int radRest_ = 0; // eighths of a degree short of a notch (touchpads)
};

} // namespace skiora::app

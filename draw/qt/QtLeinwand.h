#pragma once
// The Leinwand on a QPainter: screen picture, PNG, SVG, printer. Antialiasing
// is off, so the picture is exactly what the drawing says, pixel for pixel.
#include "draw/Leinwand.h"

#include <QFont>
#include <QFontMetrics>
#include <QString>

#include <optional>

class QPainter;

namespace skiora::draw {

// The fonts the drawing names, as this system has them: Arial is not on
// Debian, its metric twin Liberation Sans is; "MS Serif" becomes a
// fixed-pitch face.
QString SchriftFamilie(const std::string& name);

class QtLeinwand : public Leinwand {
  public:
    explicit QtLeinwand(QPainter& painter);

    void Rectangle(int x1, int y1, int x2, int y2) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;
    void Ausschnitt(int x1, int y1, int x2, int y2) override;
    void OhneAusschnitt() override;

  protected:
    void Linie(int x1, int y1, int x2, int y2) override;

  private:
    // Font and metrics of the current Schrift, made again only when it changes.
    const QFontMetrics& Metrik();
    void Anwenden(bool mitPinsel);
    QPainter& p_;
    Schrift zuletzt_;
    std::optional<QFont> font_;
    std::optional<QFontMetrics> metrik_;
};

} // namespace skiora::draw

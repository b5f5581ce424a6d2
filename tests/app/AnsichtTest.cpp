// Zoom, pan and drag of the picture, and the keys bound to them.
#include "Fenster.h"
#include "app/Bildflaeche.h"

#include <QMouseEvent>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>
#include <cmath>

namespace skiora::app::test {

namespace {

void Maus(QWidget* w, QEvent::Type typ, QPoint p, Qt::MouseButtons knoepfe) {
    QMouseEvent e(typ, p, w->mapToGlobal(p), Qt::LeftButton, knoepfe, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

} // namespace

using Ansicht = FensterTest;

TEST_F(Ansicht, ZoomHaeltBeiFuenfzigAn) {
    auto* plus = finde<QToolButton>("tbPlus");
    for (int i = 0; i < 23; ++i)
        plus->click();
    double erwartet = 1;
    for (int i = 0; i < 22; ++i)
        erwartet *= 1.2;
    EXPECT_DOUBLE_EQ(fenster->uhr.ansicht.Zoom, erwartet);
    // Zooming out has no lower limit.
    auto* minus = finde<QToolButton>("tbMinus");
    for (int i = 0; i < 40; ++i)
        minus->click();
    EXPECT_LT(fenster->uhr.ansicht.Zoom, 0.1);
    finde<QToolButton>("tbReset")->click();
    EXPECT_DOUBLE_EQ(fenster->uhr.ansicht.Zoom, 1.0);
}

TEST_F(Ansicht, ZiehenVerschiebtDieMitteUmGenauDieStrecke) {
    Bildflaeche* bild = fenster->bild();
    const int x0 = fenster->uhr.rahmen.PlotCentreX;
    const int y0 = fenster->uhr.rahmen.PlotCentreY;
    const int vorher = bild->zeichnungen();
    const QPoint start(100, 120), ziel(100 + 37, 120 - 21);
    Maus(bild, QEvent::MouseButtonPress, start, Qt::LeftButton);
    Maus(bild, QEvent::MouseMove, start + QPoint(10, 0), Qt::LeftButton);
    Maus(bild, QEvent::MouseMove, ziel, Qt::LeftButton);
    Maus(bild, QEvent::MouseButtonRelease, ziel, Qt::NoButton);
    EXPECT_GT(bild->zeichnungen(), vorher);
    EXPECT_EQ(fenster->uhr.rahmen.PlotCentreX, x0 + 37);
    EXPECT_EQ(fenster->uhr.rahmen.PlotCentreY, y0 - 21);
    // A click without movement is no drag.
    Maus(bild, QEvent::MouseButtonPress, start, Qt::LeftButton);
    Maus(bild, QEvent::MouseButtonRelease, start, Qt::NoButton);
    EXPECT_EQ(fenster->uhr.rahmen.PlotCentreX, x0 + 37);
}

TEST_F(Ansicht, VerschiebenUmEinVierzigstel) {
    const int breite = fenster->uhr.rahmen.SchirmBildBreite;
    const int hoehe = fenster->uhr.rahmen.SchirmBildHoehe;
    ASSERT_GT(breite, 0);
    finde<QToolButton>("tbRight")->click();
    finde<QToolButton>("tbDown")->click();
    EXPECT_EQ(fenster->uhr.ansicht.DeltaX, breite / 40);
    EXPECT_EQ(fenster->uhr.ansicht.DeltaY, hoehe / 40);
}

TEST_F(Ansicht, BildNieBreiterAls165MalHoehe) {
    fenster->resize(1600, 700);
    QCoreApplication::processEvents();
    Bildflaeche* bild = fenster->bild();
    EXPECT_LE(bild->width(), std::lround(1.65 * bild->height()));
    EXPECT_GT(bild->width(), 0);
}

TEST_F(Ansicht, TastenZoomenAufJederSeiteVerschiebenNurAufDerGrafik) {
    auto* pg = finde<QTabWidget>("PgCtrl");
    pg->setCurrentIndex(1);
    QTest::keyClick(pg->currentWidget(), Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_DOUBLE_EQ(fenster->uhr.ansicht.Zoom, 1.2);
    EXPECT_EQ(pg->currentIndex(), 1);
    QTest::keyClick(pg->currentWidget(), Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(fenster->uhr.ansicht.DeltaX, 0);

    pg->setCurrentIndex(0);
    QTest::keyClick(pg->currentWidget(), Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(fenster->uhr.ansicht.DeltaX, fenster->uhr.rahmen.SchirmBildBreite / 40);
    QTest::keyClick(pg->currentWidget(), Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_DOUBLE_EQ(fenster->uhr.ansicht.Zoom, 1.0);
    // The plain minus of the main keyboard is no zoom key.
    QTest::keyClick(pg->currentWidget(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(fenster->uhr.ansicht.Zoom, 1.0);
}

TEST_F(Ansicht, ResetNachGroessenaenderung) {
    auto* hinweis = finde<QWidget>("panResize");
    fenster->resize(1200, 900);
    QCoreApplication::processEvents();
    EXPECT_FALSE(hinweis->isVisible()); // the start's own resizing
    QTest::qWait(600);
    fenster->resize(1100, 800);
    QCoreApplication::processEvents();
    EXPECT_TRUE(hinweis->isVisible());
    finde<QToolButton>("tbPlus")->click();
    QTest::mouseClick(hinweis, Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_FALSE(hinweis->isVisible());
    EXPECT_DOUBLE_EQ(fenster->uhr.ansicht.Zoom, 1.0);
}

// The wheel zooms in the buttons' steps about the pointer: the dial point
// under it stays where it is (to the pixel the pan is kept in). Ctrl+0
// brings the whole dial back.
TEST_F(Ansicht, RadZoomtUmDenZeigerUndStrgNullSetztZurueck) {
    Bildflaeche* bild = fenster->bild();
    const auto& r = fenster->uhr.rahmen;
    const QPoint zeiger(bild->width() / 4, bild->height() / 3);
    auto rad = [&](int achtel, double zoom) {
        // The dial point under the pointer, in the dial's own length unit.
        const double x = (zeiger.x() - r.PlotCentreX) / r.Massstab;
        const double y = (r.PlotCentreY - zeiger.y()) / r.Massstab;
        QWheelEvent e(QPointF(zeiger), QPointF(bild->mapToGlobal(zeiger)), QPoint(),
                      QPoint(0, achtel), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(bild, &e);
        EXPECT_NEAR(fenster->uhr.ansicht.Zoom, zoom, 1e-12);
        EXPECT_NEAR(r.PlotCentreX + x * r.Massstab, zeiger.x(), 1.0);
        EXPECT_NEAR(r.PlotCentreY - y * r.Massstab, zeiger.y(), 1.0);
    };
    rad(120, 1.2);
    rad(240, 1.2 * 1.2 * 1.2); // two notches at once
    rad(-120, 1.2 * 1.2);
    // A touchpad's half notch waits for the other half.
    rad(60, 1.2 * 1.2);
    rad(60, 1.2 * 1.2 * 1.2);

    QTest::keyClick(fenster.get(), Qt::Key_0, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(fenster->uhr.ansicht.Zoom, 1.0);
    EXPECT_EQ(fenster->uhr.ansicht.DeltaX, 0);
    EXPECT_EQ(fenster->uhr.ansicht.DeltaY, 0);
}

} // namespace skiora::app::test

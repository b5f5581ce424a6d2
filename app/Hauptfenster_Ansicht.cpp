// The view commands: zoom, pan, drag, reset, and their keys.
#include "app/Bildflaeche.h"
#include "app/Hauptfenster.h"
#include "app/Hilfe.h"
#include "app/Zeichnung.h"
#include "help/HilfeThemen.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QTabWidget>
#include <QToolButton>

namespace skiora::app {

void Hauptfenster::btZoomClick(QToolButton* knopf) {
    const int seite = PgCtrl->currentIndex();
    if (knopf == tbPlus) {
        ZoomEin(uhr);
    } else if (knopf == tbMinus) {
        ZoomAus(uhr);
    } else if (knopf == tbReset) {
        AnsichtZuruecksetzen(uhr);
        panResize->hide();
        LayoutAnpassen();
    }
    PgCtrl->setCurrentIndex(seite);
}

void Hauptfenster::btTranslation(QToolButton* knopf) {
    if (knopf == tbLeft)
        Verschiebe(uhr, -1, 0);
    else if (knopf == tbRight)
        Verschiebe(uhr, 1, 0);
    else if (knopf == tbUp)
        Verschiebe(uhr, 0, -1);
    else if (knopf == tbDown)
        Verschiebe(uhr, 0, 1);
}

void Hauptfenster::Resize1Click() {
    btZoomClick(tbReset);
    panResize->hide();
}

void Hauptfenster::Bildgezogen(int dx, int dy) {
    Ziehe(uhr, dx, dy);
}

// The help topic of the control with the focus; 0 when it has none.
int Hauptfenster::FokusThema() const {
    QWidget* fokus = QApplication::focusWidget();
    // A spin field's focus is its inner line, a table's its cell editor:
    // the control is a parent.
    while (fokus && (fokus->objectName().isEmpty() || fokus->objectName().startsWith("qt_")))
        fokus = fokus->parentWidget();
    if (!fokus || fokus->window() != this) return 0;
    return help::HilfeThemaVon(fokus->objectName().toStdString());
}

// Ctrl with keypad plus or minus zooms on every page; Alt with the cursor
// keys pans only while the picture is in front.
bool Hauptfenster::GroesseAendern(QKeyEvent* e) {
    const Qt::KeyboardModifiers mod = e->modifiers() & ~Qt::KeypadModifier;
    // F1 on a control with a help topic shows that topic; otherwise the help
    // menu's own F1 shows the contents.
    if (e->key() == Qt::Key_F1 && mod == Qt::NoModifier) {
        const int thema = FokusThema();
        if (thema != 0) {
            hilfe_->Zeigen(thema);
            return true;
        }
    }
    if (mod == Qt::ControlModifier && (e->modifiers() & Qt::KeypadModifier)) {
        if (e->key() == Qt::Key_Plus) {
            btZoomClick(tbPlus);
            return true;
        }
        if (e->key() == Qt::Key_Minus) {
            btZoomClick(tbMinus);
            return true;
        }
    }
    if (mod == Qt::AltModifier && PgCtrl->currentWidget() == TSGrafik) {
        switch (e->key()) {
        case Qt::Key_Right:
            btTranslation(tbRight);
            return true;
        case Qt::Key_Left:
            btTranslation(tbLeft);
            return true;
        case Qt::Key_Up:
            btTranslation(tbUp);
            return true;
        case Qt::Key_Down:
            btTranslation(tbDown);
            return true;
        default:
            break;
        }
    }
    return false;
}

} // namespace skiora::app

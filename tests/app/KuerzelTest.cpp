// Keyboard mnemonics: on every page, in both languages and with either input
// panel, each Alt+letter belongs to one control; the ones that were claimed
// twice (quit and the dxf export, the resize notice) now act.
#include "Fenster.h"
#include "app/ExportPanel.h"
#include "app/Optionsgruppe.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QMenuBar>
#include <QMultiMap>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace skiora::app::test {

namespace {

// The Alt keys the window answers to now, with whoever claims each: the menu
// bar, Alt shortcuts of actions, and the visible buttons, group boxes,
// labels with a buddy and tabs.
QMultiMap<QString, QString> AltTasten(QMainWindow& f) {
    QMultiMap<QString, QString> tasten;
    const auto merke = [&](const QString& text, const QString& wer) {
        const QKeySequence k = QKeySequence::mnemonic(text);
        if (!k.isEmpty()) tasten.insert(k.toString(), wer);
    };
    for (QAction* a : f.menuBar()->actions())
        merke(a->text(), "menu " + a->text().trimmed());
    for (QAction* a : f.findChildren<QAction*>())
        for (const QKeySequence& k : a->shortcuts())
            if (k[0].keyboardModifiers() == Qt::AltModifier)
                tasten.insert(k.toString(), a->objectName());
    for (QWidget* w : f.findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            merke(b->text(), b->objectName());
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            merke(g->title(), g->objectName());
        } else if (auto* l = qobject_cast<QLabel*>(w); l && l->buddy()) {
            merke(l->text(), l->objectName());
        } else if (auto* t = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < t->count(); ++i)
                if (t->isTabVisible(i)) merke(t->tabText(i), "tab " + t->tabText(i).trimmed());
        }
    }
    return tasten;
}

} // namespace

using Kuerzel = FensterTest;

TEST_F(Kuerzel, JedeAltTasteGehoertAufJederSeiteEinemEinzigen) {
    finde<Optionsgruppe>("rgArten")->knopf(2)->click(); // every page shown
    auto* pg = finde<QTabWidget>("PgCtrl");
    for (bool deutsch : {true, false}) {
        fenster->Deutsch1Click(deutsch);
        for (int seite = 0; seite < pg->count(); ++seite) {
            for (int panel = 0; panel < 2; ++panel) {
                pg->setCurrentIndex(seite);
                fenster->panResize->show();
                AchseWaehlen(fenster->uhr, fenster->PanSave, false);
                QCoreApplication::processEvents();
                const auto tasten = AltTasten(*fenster);
                for (const QString& taste : tasten.uniqueKeys())
                    EXPECT_EQ(tasten.count(taste), 1)
                        << (deutsch ? "de" : "en") << " page " << seite << " panel " << panel
                        << ": " << taste.toStdString() << " "
                        << QStringList(tasten.values(taste)).join(", ").toStdString();
                fenster->Change1Click();
            }
        }
    }
}

TEST_F(Kuerzel, AltXBeendetUndAltRPasstDieGroesseAnAufDerGrafikseite) {
    finde<QTabWidget>("PgCtrl")->setCurrentIndex(0);
    auto* hinweis = fenster->panResize;
    auto* knopf = finde<QPushButton>("lResize");
    // The R of the notice is a mnemonic, not a literal "&".
    EXPECT_EQ(knopf->text(), " Click here to &RESIZE ");
    EXPECT_EQ(QKeySequence::mnemonic(knopf->text()), QKeySequence(Qt::ALT | Qt::Key_R));
    finde<QToolButton>("tbPlus")->click();
    hinweis->show();
    QTest::keyClick(fenster.get(), Qt::Key_R, Qt::AltModifier);
    // A mnemonic clicks the button with its short animation.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !hinweis->isVisible(); }, 2000));
    EXPECT_DOUBLE_EQ(fenster->uhr.ansicht.Zoom, 1.0);

    QSignalSpy beenden(fenster->findChild<QAction*>("Schlieen1"), &QAction::triggered);
    QTest::keyClick(fenster.get(), Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(beenden.count(), 1);
}

} // namespace skiora::app::test

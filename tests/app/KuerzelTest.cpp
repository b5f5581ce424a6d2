// Keyboard mnemonics: on every page, in both languages and with either input
// panel, each Alt key belongs to one control, and the ones claimed twice act.
#include "Fenster.h"
#include "app/ExportPanel.h"
#include "app/Optionsgruppe.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenuBar>
#include <QMultiMap>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace skiora::app::test {

using Kuerzel = FensterTest;

TEST_F(Kuerzel, JedeAltTasteGehoertEinemUndWirkt) {
    finde<Optionsgruppe>("rgArten")->knopf(2)->click(); // every page shown
    auto* pg = finde<QTabWidget>("PgCtrl");
    for (bool deutsch : {true, false}) {
        fenster->Deutsch1Click(deutsch);
        for (int seite = 0; seite < 2 * pg->count(); ++seite) {
            pg->setCurrentIndex(seite / 2);
            fenster->Change1Click(); // both input panels
            fenster->panResize->show();
            AchseWaehlen(fenster->uhr, fenster->PanSave, false);
            // Who claims each Alt key: the menu bar, actions, the visible buttons.
            QMultiMap<QString, QString> tasten;
            for (QAction* a : fenster->menuBar()->actions())
                tasten.insert(QKeySequence::mnemonic(a->text()).toString(), a->text());
            for (QAction* a : fenster->findChildren<QAction*>())
                if (a->shortcut()[0].keyboardModifiers() == Qt::AltModifier)
                    tasten.insert(a->shortcut().toString(), a->objectName());
            for (QAbstractButton* b : fenster->findChildren<QAbstractButton*>())
                if (b->isVisible())
                    tasten.insert(QKeySequence::mnemonic(b->text()).toString(), b->objectName());
            tasten.remove(QString());
            for (const QString& taste : tasten.uniqueKeys())
                EXPECT_EQ(tasten.count(taste), 1)
                    << deutsch << " " << seite << " "
                    << QStringList(tasten.values(taste)).join(", ").toStdString();
        }
    }
    pg->setCurrentIndex(0);
    finde<QToolButton>("tbPlus")->click();
    QTest::keyClick(fenster.get(), Qt::Key_R, Qt::AltModifier); // the resize notice's R
    EXPECT_TRUE(QTest::qWaitFor([&] { return !fenster->panResize->isVisible(); }, 2000));
    EXPECT_DOUBLE_EQ(fenster->uhr.ansicht.Zoom, 1.0);
    // The dial was changed above: closing asks first, and the answer keeps it open.
    fenster->fragen = [](const QString&) { return SpeichernFrage::Antwort::Abbrechen; };
    QSignalSpy beenden(fenster->findChild<QAction*>("Schlieen1"), &QAction::triggered);
    QTest::keyClick(fenster.get(), Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(beenden.count(), 1);
}

} // namespace skiora::app::test

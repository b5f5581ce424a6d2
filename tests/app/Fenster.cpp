#include "Fenster.h"
#include "app/Anwendung.h"

#include <QApplication>
#include <QFocusEvent>
#include <QStandardPaths>
#include <QTest>

namespace skiora::app::test {

void QtStarten() {
    static int argc = 1;
    static char name[] = "test_app";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) new Anwendung(argc, argv);
    // Recent files and folders go to a settings file of the tests' own.
    QStandardPaths::setTestModeEnabled(true);
    QGuiApplication::setQuitOnLastWindowClosed(false);
}

void FensterTest::SetUp() {
    QtStarten();
    Startwahl wahl;
    wahl.startKonfigLesen = false;
    wahl.deutsch = true;
    wahl.progVerz = SKIORA_BINARY_DIR "/"; // where the help files are
    wahl.konfigVerz = startOrdner.path().toStdString() + "/";
    wahl.melder = &melder;
    fenster = std::make_unique<Hauptfenster>(wahl);
    // No test may wait for a person: a question or a save dialog nobody
    // expected fails the test.
    fenster->fragen = [](const QString& name) {
        ADD_FAILURE() << "unexpected question about " << name.toStdString();
        return SpeichernFrage::Antwort::Verwerfen;
    };
    fenster->speicherDateiWaehlen = [](const QString&, const QString&) {
        ADD_FAILURE() << "unexpected save dialog";
        return QString();
    };
    fenster->resize(1280, 960);
    fenster->show();
    fenster->activateWindow();
    // Shortcuts need the active window; offscreen it becomes active at once.
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster.get(), 2000));
    fenster->Aktivieren();
    QCoreApplication::processEvents();
}

void FensterTest::TearDown() {
    fenster.reset();
}

void FensterTest::tippe(QLineEdit* feld, const QString& text) {
    feld->selectAll();
    QTest::keyClicks(feld, text);
    verlasse(feld);
}

void FensterTest::verlasse(QWidget* feld) {
    QFocusEvent weg(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(feld, &weg);
}

std::string FensterTest::letzteMeldung() const {
    return melder.eintraege.empty() ? std::string() : melder.eintraege.back().text;
}

} // namespace skiora::app::test

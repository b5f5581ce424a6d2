#include "app/Anwendung.h"

#include "app/DialogMelder.h"

#include <exception>

namespace skiora::app {

Anwendung::Anwendung(int& argc, char** argv) : QApplication(argc, argv) {}
Anwendung::~Anwendung() = default;

bool Anwendung::notify(QObject* empfaenger, QEvent* ereignis) {
    try {
        return QApplication::notify(empfaenger, ereignis);
    } catch (const std::exception& e) {
        Bericht(e.what());
    } catch (...) {
        Bericht("Unknown error");
    }
    return false;
}

void Anwendung::Bericht(const std::string& text) {
    if (fehlerMelder_) {
        fehlerMelder_->Zeige(text, applicationName().toStdString(), Symbol::Fehler);
        return;
    }
    DialogMelder box(activeWindow());
    box.Zeige(text, applicationName().toStdString(), Symbol::Fehler);
}

} // namespace skiora::app

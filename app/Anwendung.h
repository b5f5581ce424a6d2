#pragma once
// The application object: an error that a command did not handle reaches the
// general error report (a message box with the error's text) and the program
// goes on, instead of ending in the event loop.
#include "core/Melder.h"

#include <QApplication>

namespace skiora::app {

class Anwendung : public QApplication {
    Q_OBJECT
  public:
    Anwendung(int& argc, char** argv);
    ~Anwendung() override;

    bool notify(QObject* empfaenger, QEvent* ereignis) override;
    // Where the report goes; by default a message box. Tests record.
    void setzeFehlerMelder(Melder* m) { fehlerMelder_ = m; }

  private:
    void Bericht(const std::string& text);
    Melder* fehlerMelder_ = nullptr;
};

} // namespace skiora::app

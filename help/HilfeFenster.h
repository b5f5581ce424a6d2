#pragma once
// The in-process help window: shows one help file and jumps to a topic.
#include <QTextBrowser>

namespace skiora::help {

QString AnkerVon(int thema); // "topic-N", the anchor of a topic in the files

class HilfeFenster : public QTextBrowser {
    Q_OBJECT
  public:
    // datei: the help file; titel: the window definition, when there is one.
    HilfeFenster(const QString& datei, const QString& titel);
    const QString& Datei() const { return datei_; }
    // Loads the file if needed, scrolls to the topic and brings the window up.
    void ZeigeThema(int thema);
    // The topic shown last (for tests and the log).
    int Thema() const { return thema_; }

  private:
    QString datei_;
    int thema_ = 0;
};

} // namespace skiora::help

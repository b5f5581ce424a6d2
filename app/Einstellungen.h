#pragma once
// What the window remembers between runs: the recent configurations and the
// folder last used for each kind of file. Kept with QSettings in the user's
// configuration folder. A damaged, oversized or unreadable settings file
// gives the defaults; nothing here ever stops the program or touches a dial.
#include <QString>
#include <QStringList>

namespace skiora::app {

class Einstellungen {
  public:
    static constexpr int ZuletztHoechstens = 8;

    // The kinds of file whose dialogs remember their folder.
    static constexpr const char* Konfiguration = "konfiguration";
    static constexpr const char* Tabelle = "tabelle";
    static constexpr const char* Plot = "plot";
    static constexpr const char* Pdf = "pdf";

    // pfad: the settings file; empty for the user's own
    // (<configuration folder>/skiora/skiora.conf).
    explicit Einstellungen(QString pfad = {});
    const QString& pfad() const { return pfad_; }

    // Newest first; only absolute paths, each once, at most eight.
    QStringList zuletzt() const;
    void zuletztMerken(const QString& datei);
    void zuletztVergessen(const QString& datei);
    void zuletztLeeren();

    // The folder a file dialog for `art` opens in: the one last used while
    // it still exists, else the user's documents folder, else the home folder.
    QString ordner(const char* art) const;
    // Remembers the folder of a file the user chose.
    void ordnerMerken(const char* art, const QString& datei);

  private:
    bool benutzbar() const;
    QString pfad_;
};

// `datei` put first into `liste`, its older entry removed, cut to `hoechstens`.
QStringList Einreihen(QStringList liste, const QString& datei, int hoechstens);

} // namespace skiora::app

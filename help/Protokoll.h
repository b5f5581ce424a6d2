#pragma once
// The help's diagnostic log "HHDebug.txt": off unless the user asks for it,
// because it exists only to find out why help does not open on a machine.
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace skiora::help {

class Protokoll {
  public:
    // On when "debug.debug" is in the program's directory, or when one of the
    // command-line words is "/debug" or "-debug" in any case.
    static bool Verlangt(const QString& progVerz, const QStringList& argumente);
    // HHDebug.txt in the program's directory when files can be created
    // there, otherwise in the temporary directory.
    static QString DateiWaehlen(const QString& progVerz);

    // Starts a new log in the file with the given header lines.
    void Starte(const QString& datei, const std::vector<std::string>& kopf);
    bool An() const { return !datei_.isEmpty(); }
    const QString& Datei() const { return datei_; }
    // Appends one line while the log is on.
    void Zeile(const std::string& text) const;

  private:
    QString datei_;
    mutable std::string inhalt_; // the log so far, as written
};

} // namespace skiora::help

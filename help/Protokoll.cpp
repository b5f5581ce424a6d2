#include "help/Protokoll.h"

#include "core/Datei.h"
#include "lang/Texte.h"

#include <QDir>
#include <QFileInfo>

namespace skiora::help {

bool Protokoll::Verlangt(const QString& progVerz, const QStringList& argumente) {
    if (QFileInfo::exists(QDir(progVerz).filePath("debug.debug"))) return true;
    for (const QString& a : argumente)
        if (a.compare("/debug", Qt::CaseInsensitive) == 0 ||
            a.compare("-debug", Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QString Protokoll::DateiWaehlen(const QString& progVerz) {
    // Asking the folder, not creating a test file: a file of the user's that
    // had the test file's name would be lost.
    const QFileInfo verz(progVerz);
    if (verz.isDir() && verz.isWritable()) return QDir(progVerz).filePath("HHDebug.txt");
    return QDir(QDir::tempPath()).filePath("HHDebug.txt");
}

void Protokoll::Starte(const QString& datei, const std::vector<std::string>& kopf) {
    datei_.clear();
    inhalt_.clear();
    if (!datei::SicherSchreiben(datei.toStdString(), "", 1)) return; // the log stays off
    datei_ = datei;
    for (const auto& z : kopf)
        Zeile(z);
}

void Protokoll::Zeile(const std::string& text) const {
    if (!An()) return;
    // Text files of the program are in the Windows code page with CR LF. The
    // whole log is written again at every line, so that it survives a crash
    // and is never half a line.
    inhalt_ += lang::NachAnsi(text) + "\r\n";
    datei::SicherSchreiben(datei_.toStdString(), inhalt_, 1);
}

} // namespace skiora::help

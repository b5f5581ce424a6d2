#include "help/Protokoll.h"

#include "lang/Texte.h"

#include <QDir>
#include <QFile>
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
    const QDir verz(progVerz);
    QFile probe(verz.filePath("$_Temp_$.$$$"));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.close();
        probe.remove();
        return verz.filePath("HHDebug.txt");
    }
    return QDir(QDir::tempPath()).filePath("HHDebug.txt");
}

static bool Schreibe(const QString& datei, const std::string& text, QIODevice::OpenMode art) {
    QFile f(datei);
    if (!f.open(art)) return false;
    // Text files of the program are in the Windows code page with CR LF.
    const std::string zeile = lang::NachAnsi(text) + "\r\n";
    return f.write(zeile.data(), qint64(zeile.size())) == qint64(zeile.size());
}

void Protokoll::Starte(const QString& datei, const std::vector<std::string>& kopf) {
    datei_.clear();
    QFile f(datei);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return; // the log stays off
    f.close();
    datei_ = datei;
    for (const auto& z : kopf)
        Zeile(z);
}

void Protokoll::Zeile(const std::string& text) const {
    if (!An()) return;
    // Opened per line so the log survives a crash of the program.
    Schreibe(datei_, text, QIODevice::WriteOnly | QIODevice::Append);
}

} // namespace skiora::help

#include "app/Einstellungen.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace skiora::app {

namespace {

// A settings file is a few lines; anything far larger is not ours to read.
constexpr qint64 GroessteDatei = 256 * 1024;

const char* const ZuletztSchluessel = "zuletzt/dateien";

QString OrdnerSchluessel(const char* art) {
    return QStringLiteral("ordner/") + art;
}

// A path the settings may hold: absolute, of sane length, one line.
bool Brauchbar(const QString& pfad) {
    return !pfad.isEmpty() && pfad.size() < 4096 && QDir::isAbsolutePath(pfad) &&
           !pfad.contains('\n') && !pfad.contains('\r');
}

} // namespace

QStringList Einreihen(QStringList liste, const QString& datei, int hoechstens) {
    liste.removeAll(datei);
    liste.prepend(datei);
    while (liste.size() > hoechstens)
        liste.removeLast();
    return liste;
}

Einstellungen::Einstellungen(QString pfad) : pfad_(std::move(pfad)) {
    if (pfad_.isEmpty())
        pfad_ = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                "/skiora/skiora.conf";
}

// Missing is fine (the defaults); a folder, a device or a huge file in its
// place is left alone, and nothing is written over it.
bool Einstellungen::benutzbar() const {
    const QFileInfo info(pfad_);
    if (!info.exists()) return true;
    return info.isFile() && info.isReadable() && info.size() <= GroessteDatei;
}

QStringList Einstellungen::zuletzt() const {
    if (!benutzbar()) return {};
    QSettings s(pfad_, QSettings::IniFormat);
    QStringList sauber;
    for (const QString& roh : s.value(ZuletztSchluessel).toStringList()) {
        if (!Brauchbar(roh)) continue;
        const QString d = QDir::cleanPath(roh);
        if (!sauber.contains(d)) sauber << d;
    }
    while (sauber.size() > ZuletztHoechstens)
        sauber.removeLast();
    return sauber;
}

void Einstellungen::zuletztMerken(const QString& datei) {
    const QString absolut = QFileInfo(datei).absoluteFilePath();
    if (!benutzbar() || !Brauchbar(absolut)) return;
    const QStringList neu = Einreihen(zuletzt(), QDir::cleanPath(absolut), ZuletztHoechstens);
    QSettings(pfad_, QSettings::IniFormat).setValue(ZuletztSchluessel, neu);
}

void Einstellungen::zuletztVergessen(const QString& datei) {
    if (!benutzbar()) return;
    QStringList liste = zuletzt();
    liste.removeAll(QDir::cleanPath(datei));
    QSettings(pfad_, QSettings::IniFormat).setValue(ZuletztSchluessel, liste);
}

void Einstellungen::zuletztLeeren() {
    if (!benutzbar()) return;
    QSettings(pfad_, QSettings::IniFormat).remove(ZuletztSchluessel);
}

QString Einstellungen::ordner(const char* art) const {
    if (benutzbar()) {
        const QString gemerkt =
            QSettings(pfad_, QSettings::IniFormat).value(OrdnerSchluessel(art)).toString();
        if (Brauchbar(gemerkt) && QFileInfo(gemerkt).isDir()) return gemerkt;
    }
    const QString dokumente = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!dokumente.isEmpty() && QFileInfo(dokumente).isDir()) return dokumente;
    return QDir::homePath();
}

void Einstellungen::ordnerMerken(const char* art, const QString& datei) {
    const QString verz = QFileInfo(datei).absolutePath();
    if (!benutzbar() || !Brauchbar(verz)) return;
    QSettings(pfad_, QSettings::IniFormat).setValue(OrdnerSchluessel(art), verz);
}

} // namespace skiora::app

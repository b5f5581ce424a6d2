#include "help/HilfeFenster.h"

#include <QFileInfo>
#include <QUrl>

namespace skiora::help {

QString AnkerVon(int thema) {
    return QStringLiteral("topic-%1").arg(thema);
}

HilfeFenster::HilfeFenster(const QString& datei, const QString& titel) : datei_(datei) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlag(Qt::Window);
    setOpenExternalLinks(true);
    setWindowTitle(titel.isEmpty() ? QStringLiteral("Skiora - Help") : titel);
    resize(780, 640);
}

void HilfeFenster::ZeigeThema(int thema) {
    thema_ = thema;
    if (!QFileInfo::exists(datei_)) {
        // The viewer reports a missing file itself, in the program's words.
        setHtml(QStringLiteral("<p>Help file %1 not found!</p>").arg(datei_.toHtmlEscaped()));
    } else {
        QUrl url = QUrl::fromLocalFile(datei_);
        url.setFragment(AnkerVon(thema));
        // The same file is not loaded again; only the anchor changes.
        setSource(url);
        const QString t = documentTitle();
        if (!t.isEmpty() && windowTitle() == QStringLiteral("Skiora - Help")) setWindowTitle(t);
    }
    show();
    raise();
    activateWindow();
}

} // namespace skiora::help

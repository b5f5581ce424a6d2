#include "app/DialogMelder.h"

#include <QMessageBox>

namespace skiora::app {

QString Zeilenumbrueche(const std::string& text) {
    QString aus;
    const QString ein = QString::fromStdString(text);
    for (qsizetype i = 0; i < ein.size(); ++i) {
        const QChar c = ein[i];
        if (c == '\r' || c == '\n') {
            // A pair of different break characters is one break.
            if (i + 1 < ein.size() && (ein[i + 1] == '\r' || ein[i + 1] == '\n') && ein[i + 1] != c)
                ++i;
            aus += '\n';
        } else {
            aus += c;
        }
    }
    return aus;
}

void DialogMelder::Zeige(const std::string& text, const std::string& titel, Symbol symbol) {
    QMessageBox::Icon icon = QMessageBox::Information;
    switch (symbol) {
    case Symbol::Warnung:
        icon = QMessageBox::Warning;
        break;
    case Symbol::Fehler:
        icon = QMessageBox::Critical;
        break;
    case Symbol::Info:
        icon = QMessageBox::Information;
        break;
    case Symbol::Frage:
        icon = QMessageBox::Question;
        break;
    }
    QMessageBox box(icon, QString::fromStdString(titel), Zeilenumbrueche(text), QMessageBox::Ok,
                    eltern_);
    box.exec();
}

} // namespace skiora::app

// What every desktop editor has: the file in the title with a "*" while the
// dial has unsaved changes, the question before they are lost, New, Save and
// Save As, the recent configurations, a configuration dropped on the window,
// and the mouse wheel and Ctrl+0 on the picture.
#include "app/Bildflaeche.h"
#include "app/Hauptfenster.h"
#include "app/Zeichnung.h"
#include "config/Konfiguration.h"
#include "lang/KomfortTexte.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTimer>

namespace skiora::app {

namespace k = lang::komfort;

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// Menein gives the numbered menu texts in menu order; entries with a pair
// of texts of their own take theirs instead.
QAction* Zusatz(QAction* a, const char* name, const lang::Zweisprachig& texte) {
    a->setObjectName(name);
    a->setProperty("textDe", QString::fromUtf8(texte.de));
    a->setProperty("textEn", QString::fromUtf8(texte.en));
    return a;
}

} // namespace

void Hauptfenster::erstelleKomfort() {
    Neu1 = Zusatz(new QAction(this), "Neu1", k::MenueNeu);
    SpeichernUnter1 = Zusatz(new QAction(this), "SpeichernUnter1", k::MenueSpeichernUnter);
    Zuletzt1 = new QMenu(this);
    Zuletzt1->setObjectName("Zuletzt1");
    Zusatz(Zuletzt1->menuAction(), "Zuletzt1", k::MenueZuletzt);
    Optionen1->insertAction(Datenspeichern1, Neu1);
    Optionen1->insertAction(Startkonfiguration1, SpeichernUnter1);
    const QList<QAction*> eintraege = Optionen1->actions();
    const qsizetype nachLaden = eintraege.indexOf(Datenladen1) + 1;
    Optionen1->insertMenu(nachLaden < eintraege.size() ? eintraege[nachLaden] : nullptr, Zuletzt1);

    Neu1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    Datenspeichern1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    SpeichernUnter1->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    Datenladen1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    if (auto* reset = findChild<QAction*>("Resize1"))
        reset->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));

    connect(Neu1, &QAction::triggered, this, [this] { Neu(); });
    connect(SpeichernUnter1, &QAction::triggered, this, [this] { SpeichernUnter(); });
    connect(Zuletzt1, &QMenu::aboutToShow, this, [this] { ZuletztMenueFuellen(); });
    connect(Image1, &Bildflaeche::rad, this, [this](QPoint wo, int schritte) {
        for (int i = 0; i < std::abs(schritte); ++i)
            ZoomUm(uhr, schritte > 0, wo.x(), wo.y());
    });
    // A configuration dropped anywhere on the window opens, the picture included.
    setAcceptDrops(true);
    connect(Image1, &Bildflaeche::konfigurationAbgelegt, this, &Hauptfenster::Abgelegt);

    fragen = [this](const QString& name) {
        return SpeichernFrage::Stellen(this, uhr.sprache.Sprache, name);
    };
    speicherDateiWaehlen = [this](const QString& ordner, const QString& vorschlag) {
        return SpeicherDialog(ordner, vorschlag);
    };
}

void Hauptfenster::KomfortTexteSetzen() {
    const int s = uhr.sprache.Sprache;
    if (auto* l = findChild<QLabel*>("Label9")) l->setText(Q(lang::Text(s, k::AboutProjekt)));
    if (auto* l = findChild<QLabel*>("Label11")) l->setText(Q(lang::Text(s, k::AboutLizenzTitel)));
    if (auto* l = findChild<QLabel*>("lFrei")) l->setText(Q(lang::Text(s, k::AboutFrei)));
    Panel3->setText(Q(lang::Text(s, k::AboutLizenz)));
    if (pAbout->isVisible()) pAbout->adjustSize();
    TitelAktualisieren();
}

void Hauptfenster::TitelAktualisieren() {
    setWindowTitle(Q(aenderungen_.Titel(uhr.sprache.Sprache)));
    setWindowModified(aenderungen_.Geaendert(uhr));
}

// Events arrive before the handlers they cause have run: look afterwards,
// once for a burst of events.
void Hauptfenster::AenderungPlanen() {
    if (pruefungGeplant_) return;
    pruefungGeplant_ = true;
    QTimer::singleShot(0, this, [this] {
        pruefungGeplant_ = false;
        TitelAktualisieren();
    });
}

void Hauptfenster::Gemerkt(const QString& datei) {
    const QString absolut = QFileInfo(datei).absoluteFilePath();
    aenderungen_.Merken(uhr, absolut.toStdString());
    einstellungen_.zuletztMerken(absolut);
    einstellungen_.ordnerMerken(Einstellungen::Konfiguration, absolut);
    TitelAktualisieren();
}

std::string Hauptfenster::konfigVerz() const {
    return wahl_.konfigVerz.empty() ? wahl_.progVerz : wahl_.konfigVerz;
}

bool Hauptfenster::AenderungenKlaeren() {
    // A value typed but not yet confirmed belongs to the dial: the field is
    // left as if the user had tabbed away (a refused value is put back).
    if (QWidget* f = QApplication::focusWidget(); f && f->window() == this) {
        auto* feld = qobject_cast<QLineEdit*>(f);
        if (feld && felder_.contains(feld) && feld->isModified()) eBreitExit(feld);
        if (f == MaskEdit1 && MaskEdit1->isModified()) MaskEdit1Exit();
    }
    TitelAktualisieren();
    if (!aenderungen_.Geaendert(uhr)) return true;
    switch (fragen(Q(aenderungen_.Name(uhr.sprache.Sprache)))) {
    case SpeichernFrage::Antwort::Speichern:
        return Speichern();
    case SpeichernFrage::Antwort::Verwerfen:
        return true;
    case SpeichernFrage::Antwort::Abbrechen:
        break;
    }
    return false;
}

bool Hauptfenster::Speichern() {
    if (aenderungen_.Datei().empty()) return SpeichernUnter();
    return KonfigurationSpeichern(Q(aenderungen_.Datei()));
}

bool Hauptfenster::SpeichernUnter() {
    const QFileInfo bisher(Q(aenderungen_.Datei()));
    const bool hatDatei = !aenderungen_.Datei().empty() && bisher.absoluteDir().exists();
    const QString gewaehlt = speicherDateiWaehlen(
        hatDatei ? bisher.absolutePath() : einstellungen_.ordner(Einstellungen::Konfiguration),
        hatDatei ? bisher.fileName() : QStringLiteral("myDial"));
    if (gewaehlt.isEmpty()) return false;
    return KonfigurationSpeichern(gewaehlt);
}

void Hauptfenster::Neu() {
    if (!AenderungenKlaeren()) return;
    // The built-in dial with the start configuration over it, as at start-up,
    // put in place whole; the language stays.
    Sonnenuhr eingebaut;
    eingebaut.setzeMelder(&uhr.melder());
    eingebaut.sprache = uhr.sprache;
    config::StartKonfigurationLesen(eingebaut, konfigVerz());
    config::Einlesung neu;
    neu.konfig = config::KonfigurationVon(eingebaut);
    neu.konfig.spracheDeutsch = uhr.sprache.SpracheDeutsch;
    config::Uebernehmen(uhr, neu);
    config::NachLadenAbgleichen(uhr);
    ParameterAnzeigen();
    panResize->hide();
    config::NachLadenRechnen(uhr);
    Spiegeln();
    aenderungen_.Merken(uhr, {});
    TitelAktualisieren();
}

bool Hauptfenster::Oeffnen(const QString& datei) {
    if (!AenderungenKlaeren()) return false;
    return KonfigurationLaden(datei);
}

void Hauptfenster::ZuletztOeffnen(const QString& datei) {
    if (!QFileInfo(datei).isFile()) {
        einstellungen_.zuletztVergessen(datei);
        uhr.Melde(k::Mit(uhr.sprache.Sprache, k::ZuletztFehlt,
                         QDir::toNativeSeparators(datei).toStdString()),
                  lang::Titel::Info, Symbol::Warnung);
        return;
    }
    Oeffnen(datei);
}

void Hauptfenster::ZuletztMenueFuellen() {
    Zuletzt1->clear();
    const int s = uhr.sprache.Sprache;
    const QStringList liste = einstellungen_.zuletzt();
    if (liste.isEmpty()) {
        Zuletzt1->addAction(Q(lang::Text(s, k::ZuletztKeine)))->setEnabled(false);
        return;
    }
    const QFontMetrics masse(Zuletzt1->font());
    int nr = 0;
    for (const QString& datei : liste) {
        const QFileInfo info(datei);
        // "1  dial.ini   /home/…/dials": the name first, the folder shortened.
        QString text = QString("&%1  %2   %3")
                           .arg(++nr)
                           .arg(QString(info.fileName()).replace('&', "&&"))
                           .arg(masse
                                    .elidedText(QDir::toNativeSeparators(info.absolutePath()),
                                                Qt::ElideMiddle, 360)
                                    .replace('&', "&&"));
        auto* a = Zuletzt1->addAction(text);
        a->setData(datei);
        a->setToolTip(QDir::toNativeSeparators(datei));
        connect(a, &QAction::triggered, this, [this, datei] { ZuletztOeffnen(datei); });
    }
    Zuletzt1->addSeparator();
    auto* leeren = Zuletzt1->addAction(Q(lang::Text(s, k::ZuletztLeeren)));
    leeren->setObjectName("ZuletztLeeren");
    connect(leeren, &QAction::triggered, this, [this] { einstellungen_.zuletztLeeren(); });
}

void Hauptfenster::dragEnterEvent(QDragEnterEvent* e) {
    if (!GezogeneKonfiguration(e->mimeData()).isEmpty())
        e->acceptProposedAction();
    else
        e->ignore();
}

void Hauptfenster::dropEvent(QDropEvent* e) {
    const QString datei = GezogeneKonfiguration(e->mimeData());
    if (datei.isEmpty()) {
        e->ignore();
        return;
    }
    e->acceptProposedAction();
    Abgelegt(datei);
}

void Hauptfenster::Abgelegt(const QString& datei) {
    // The drag's source waits for the drop to end: load afterwards, so that a
    // question or a message box does not hold the other program's drag.
    QTimer::singleShot(0, this, [this, datei] { Oeffnen(datei); });
}

} // namespace skiora::app

// The main window's construction and start-up.
#include "app/Hauptfenster.h"

#include "app/Bildflaeche.h"
#include "app/Gittermodell.h"
#include "app/Hilfe.h"
#include "app/Optionsgruppe.h"
#include "app/Zeichnung.h"
#include "config/Konfiguration.h"
#include "core/Zahlen.h"
#include "help/HilfeDatei.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QTableView>
#include <QTimer>
#include <QTranslator>
#include <QVBoxLayout>

namespace skiora::app {

Hauptfenster::Hauptfenster(Startwahl wahl, QWidget* eltern)
    : QMainWindow(eltern), wahl_(std::move(wahl)),
      dialogMelder_(std::make_unique<DialogMelder>(this)),
      qtDeutsch_(std::make_unique<QTranslator>()) {
    setObjectName("Form1");
    uhr.setzeMelder(wahl_.melder ? wahl_.melder : dialogMelder_.get());
    hilfe_ = std::make_unique<Hilfe>(hilfeMelder_, help::HilfeSystem::Start::AusAnwendung());
    if (QScreen* schirm = QGuiApplication::primaryScreen()) {
        grosseSchrift_ = schirm->logicalDotsPerInch() >= 120;
        breiterSchirm_ = schirm->size().width() >= 1000;
    }
    uhr.opt.Bereit = false;

    erstelleMenues();
    erstelleSeiten();
    erstellePanel1();
    erstellePanel2();
    auto* mitte = new QWidget(this);
    mitte->setObjectName("Mitte");
    auto* spalte = new QVBoxLayout(mitte);
    spalte->setContentsMargins(5, 2, 5, 2);
    spalte->setSpacing(3);
    spalte->addWidget(PgCtrl, 1);
    spalte->addWidget(Panel1);
    spalte->addWidget(Panel2);
    Panel2->hide();
    setCentralWidget(mitte);
    erstelleUeberlagerungen();
    verbinden();
    erstelleKomfort();

    uhr.neuZeichnen = [this] {
        Image1->neuZeichnen();
        // Whether the chart is shown is the mode switch's decision, not the
        // chart's: drawing it must not bring the panel back.
        const bool diagramm = uhr.anz.pErrGraphSichtbar;
        if (diagramm) ImError->neuZeichnen();
        uhr.anz.pErrGraphSichtbar = diagramm;
    };
    uhr.fortschritt = [this](int schritt) { Fortschritt(schritt); };

    // The start configuration, then a file named on the command line; both
    // before the language is chosen, so that their language line counts.
    if (wahl_.startKonfigLesen) config::StartKonfigurationLesen(uhr, konfigVerz());
    std::string datei; // the dial's file, if it came from one
    if (wahl_.konfig &&
        config::KonfigurationLaden(uhr, *wahl_.konfig, config::LeseAbsender::Hauptfenster))
        datei = QFileInfo(QString::fromStdString(*wahl_.konfig)).absoluteFilePath().toStdString();
    uhr.Abgeleitet();
    LayoutAnpassen();

    const bool deutsch = wahl_.deutsch ? *wahl_.deutsch : uhr.sprache.SpracheDeutsch;
    uhr.sprache.Waehle(deutsch);
    QtUebersetzungWaehlen();
    std::string hilfeDatei;
    if (!hilfe_->Waehlen(wahl_.progVerz, deutsch, hilfeDatei))
        uhr.Melde(help::HilfeDateiFehlt(hilfeDatei), lang::Titel::Info, Symbol::Frage);
    aenderungen_.Merken(uhr, datei);
    if (!datei.empty()) einstellungen_.zuletztMerken(QString::fromStdString(datei));
    TexteSetzen();
    rgAnzeige->setzeItemIndex(0); // the morning table is shown first
}

Hauptfenster::~Hauptfenster() {
    // The controls are destroyed after this body; none of their events may
    // reach the handlers then.
    qApp->removeEventFilter(this);
    uhr.neuZeichnen = nullptr;
    uhr.fortschritt = nullptr;
    // The controls and table models refer to the document: they go first,
    // and their last signals no longer reach the handlers.
    for (QObject* o : findChildren<QObject*>())
        o->disconnect(this);
    // An open cell editor would commit into the document while the base class
    // closes the window, after the document is gone: cut the models loose.
    for (auto* m : findChildren<Gittermodell*>())
        m->zelleSetzen = nullptr;
    for (auto* v : findChildren<QAbstractItemView*>())
        v->setModel(nullptr);
    delete takeCentralWidget();
    hilfe_.reset();
    if (qtDeutschGeladen_) QCoreApplication::removeTranslator(qtDeutsch_.get());
}

void Hauptfenster::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (aktiviert_) return;
    // The advice box for small screens with large fonts (FormShow).
    if (!breiterSchirm_ && grosseSchrift_) {
        QScreen* schirm = QGuiApplication::primaryScreen();
        const int s = uhr.sprache.Sprache;
        uhr.Melde(lang::Meldung(s, 50) + std::to_string(schirm->size().width()) + " x " +
                      std::to_string(schirm->size().height()) +
                      lang::Meldung(s, schirm->logicalDotsPerInch() == 120 ? 51 : 52) + "\n\r" +
                      lang::Meldung(s, 19),
                  lang::Titel::Info, Symbol::Info);
    }
    // Activation once the layouts have given the picture its size.
    QTimer::singleShot(0, this, [this] { Aktivieren(); });
}

void Hauptfenster::Aktivieren() {
    if (aktiviert_) return;
    aktiviert_ = true;
    ParameterAnzeigen();
    Menein();
    btGoClick(Absender::Sonstige);
    // What the first calculation settles is part of the dial as loaded.
    aenderungen_.Merken(uhr, aenderungen_.Datei());
    TitelAktualisieren();
    bereitFuerResize_ = true;
    seitAktivierung_.start();
}

void Hauptfenster::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    // The tables have their new sizes once the layouts ran.
    QTimer::singleShot(0, this, [this] { spaltenBreiten(); });
    if (panResize) {
        panResize->move(width() - panResize->width() - 20, menuBar()->height() + 30);
        // The window manager's own maximizing right after the start is no
        // change the user made.
        if (bereitFuerResize_ && seitAktivierung_.elapsed() > 500) {
            panResize->show();
            panResize->raise();
        }
    }
    if (pAbout) pAbout->move((width() - pAbout->width()) / 2, (height() - pAbout->height()) / 3);
    if (pGeduld)
        pGeduld->move((width() - pGeduld->width()) / 2, (height() - pGeduld->height()) / 2);
}

void Hauptfenster::closeEvent(QCloseEvent* e) {
    if (!AenderungenKlaeren()) {
        e->ignore();
        return;
    }
    hilfe_->Schliessen();
    QMainWindow::closeEvent(e);
}

int Hauptfenster::bildZeichnungen() const {
    return Image1->zeichnungen();
}

// The layout pass: the layouts keep the sizes; what is left is the state the
// pass resets and the column widths that follow the table sizes.
void Hauptfenster::LayoutAnpassen() {
    if (pAbout) pAbout->hide();
    spaltenBreiten();
}

// Every column wide enough for its texts; the space left is shared out as the
// layout pass does, and separator columns are 8 pixels wide.
void Hauptfenster::spaltenBreiten() {
    auto breiten = [](QTableView* t, int anteil, std::initializer_list<int> trenner,
                      int erste = 0) {
        if (!t || !t->model()) return;
        t->resizeColumnsToContents();
        const int n = t->model()->columnCount();
        for (int c = erste; c < n; ++c)
            t->setColumnWidth(c, std::max(t->columnWidth(c), anteil));
        for (int c : trenner)
            if (c < n) t->setColumnWidth(c, 8);
    };
    auto breite = [](QTableView* t) { return t->viewport()->width(); };
    // The hour and shadow tables: twelve value columns share what the number
    // column and the three separators leave.
    for (QTableView* t : {StrGridStd, StrGridShad}) {
        t->resizeColumnToContents(0);
        breiten(t, (breite(t) - t->columnWidth(0) - 3 * 8) / 12, {4, 8, 12}, 1);
    }
    const bool split = uhr.p.Arten == 2;
    breiten(StrGridDat,
            split ? (2 * breite(StrGridDat)) / 16 - 2 : Naechste(breite(StrGridDat) / 5.6) - 2,
            split ? std::initializer_list<int>{3, 6} : std::initializer_list<int>{3});
    breiten(StrGrid8, 0, {3});
    breiten(StrGrid8b, 0, {3});
    breiten(StrGridEin, (2 * breite(StrGridEin)) / 10 - 2, {});
    StrGridEin->setColumnWidth(0, 3);
    const int w = breite(StrMittel);
    breiten(StrMittel, 0, {});
    // The numbers keep their width; the caption column takes the rest, so the
    // summary never needs a scroll bar that would hide its last row.
    StrMittel->setColumnWidth(1, std::max(StrMittel->columnWidth(1), w / 5));
    StrMittel->setColumnWidth(2, std::max(StrMittel->columnWidth(2), w / 5));
    StrMittel->setColumnWidth(
        0, std::max(40, w - StrMittel->columnWidth(1) - StrMittel->columnWidth(2)));
}

} // namespace skiora::app

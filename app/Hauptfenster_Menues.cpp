// Main menu, popup menu and the wiring of every control to its handler.
#include "app/AbsteckplanDialog.h"
#include "app/Bildflaeche.h"
#include "app/Drucken.h"
#include "app/ExportPanel.h"
#include "app/Gittermodell.h"
#include "app/Hauptfenster.h"
#include "app/Hilfe.h"
#include "app/KachelDialog.h"
#include "app/MittagDialog.h"
#include "app/Optionsgruppe.h"
#include "app/ReichweiteDialog.h"
#include "lang/AbsteckTexte.h"
#include "lang/KachelTexte.h"
#include "lang/MittagTexte.h"
#include "lang/ReichweiteTexte.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

namespace skiora::app {

namespace {

QAction* Eintrag(QMenu* menue, const char* name, QKeySequence kuerzel = {}) {
    auto* a = menue->addAction(QString());
    a->setObjectName(name);
    if (!kuerzel.isEmpty()) a->setShortcut(kuerzel);
    return a;
}

// An entry with its own pair of texts, outside the numbered menu texts.
QAction* EigenerEintrag(QMenu* menue, const char* name, const lang::Zweisprachig& texte) {
    auto* a = Eintrag(menue, name);
    a->setProperty("textDe", QString::fromUtf8(texte.de));
    a->setProperty("textEn", QString::fromUtf8(texte.en));
    return a;
}

QMenu* Menue(QMenuBar* leiste, const char* name) {
    auto* m = leiste->addMenu(QString());
    m->setObjectName(name);
    m->menuAction()->setObjectName(name);
    return m;
}

} // namespace

void Hauptfenster::erstelleMenues() {
    QMenuBar* leiste = menuBar();
    Close1 = Menue(leiste, "Close1");
    auto* druckEin = Eintrag(Close1, "Druckereinrichten1");
    auto* grafik = Eintrag(Close1, "Grafikdrucken1");
    auto* liste = Eintrag(Close1, "Listedrucken1");
    auto* alle = Eintrag(Close1, "AlleListen1");
    Close1->addSeparator();
    auto* abstecken = EigenerEintrag(Close1, "Absteckplan1", lang::abstecken::Menue);
    auto* kacheln = EigenerEintrag(Close1, "Kacheln1", lang::kacheln::Menue);
    Close1->addSeparator();
    auto* ende = Eintrag(Close1, "Schlieen1", QKeySequence(Qt::ALT | Qt::Key_X));

    Optionen1 = Menue(leiste, "Optionen1");
    auto* wechseln = Eintrag(Optionen1, "Change1");
    auto* resize = Eintrag(Optionen1, "Resize1");
    Optionen1->addSeparator();
    Datenspeichern1 = Eintrag(Optionen1, "Datenspeichern1");
    Startkonfiguration1 = Eintrag(Optionen1, "Startkonfiguration1");
    Datenladen1 = Eintrag(Optionen1, "Datenladen1");
    Optionen1->addSeparator();
    auto* mittag = EigenerEintrag(Optionen1, "Mittagstabelle1", lang::MittagMenue);
    auto* reichweite = EigenerEintrag(Optionen1, "Schattenreichweite1", lang::ReichweiteMenue);
    Optionen1->addSeparator();
    Sprache2 = Optionen1->addMenu(QString());
    Sprache2->setObjectName("Sprache2");
    Sprache2->menuAction()->setObjectName("Sprache2");
    Deutsch2 = Eintrag(Sprache2, "Deutsch2", QKeySequence(Qt::CTRL | Qt::Key_D));
    Englisch2 = Eintrag(Sprache2, "Englisch2", QKeySequence(Qt::CTRL | Qt::Key_E));
    Deutsch2->setCheckable(true);
    Englisch2->setCheckable(true);

    Hilfe1 = Menue(leiste, "Hilfe1");
    auto* hilfe = Eintrag(Hilfe1, "Hilfe2", QKeySequence(Qt::Key_F1));
    Hilfe1->addSeparator();
    auto* about = Eintrag(Hilfe1, "About1");

    // The popup menu of the whole window; its items take their texts by Tag.
    PopupSkio = new QMenu(this);
    PopupSkio->setObjectName("PopupSkio");
    auto popup = [this](const char* name, int tag) {
        auto* a = Eintrag(PopupSkio, name);
        a->setProperty("Tag", tag);
        return a;
    };
    auto* reset = popup("Reset1", 201);
    PopupSkio->addSeparator();
    auto* druckEin2 = popup("Druckereinrichten2", 202);
    auto* grafik2 = popup("Grafikdrucken2", 203);
    auto* liste2 = popup("N6", 204);
    auto* alle2 = popup("alleListendrucken1", 205);
    PopupSkio->addSeparator();
    auto* speichern2 = popup("Konfigurationspeichern1", 206);
    auto* laden2 = popup("Konfigurationladen1", 207);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { PopupSkio->popup(mapToGlobal(p)); });

    for (auto* a : {druckEin, druckEin2})
        connect(a, &QAction::triggered, this, [this] { Druckereinrichten1Click(uhr, this); });
    for (auto* a : {grafik, grafik2})
        connect(a, &QAction::triggered, this, [this] { Grafikdrucken1Click(uhr, this); });
    for (auto* a : {liste, liste2})
        connect(a, &QAction::triggered, this, [this] { Listedrucken1Click(uhr, this, false); });
    for (auto* a : {alle, alle2})
        connect(a, &QAction::triggered, this, [this] { Listedrucken1Click(uhr, this, true); });
    connect(abstecken, &QAction::triggered, this, [this] {
        AbsteckplanDialog dialog(uhr, this);
        dialog.exec();
    });
    connect(kacheln, &QAction::triggered, this, [this] {
        KachelDialog dialog(uhr, this);
        dialog.exec();
    });
    connect(ende, &QAction::triggered, this, &QWidget::close);
    connect(wechseln, &QAction::triggered, this, [this] { Change1Click(); });
    for (auto* a : {resize, reset})
        connect(a, &QAction::triggered, this, [this] { Resize1Click(); });
    for (auto* a : {Datenspeichern1, speichern2})
        connect(a, &QAction::triggered, this, [this] { Datenspeichern1Click(false); });
    connect(Startkonfiguration1, &QAction::triggered, this, [this] { Datenspeichern1Click(true); });
    for (auto* a : {Datenladen1, laden2})
        connect(a, &QAction::triggered, this, [this] { Datenladen1Click(); });
    connect(Deutsch2, &QAction::triggered, this, [this] { Deutsch1Click(true); });
    connect(Englisch2, &QAction::triggered, this, [this] { Deutsch1Click(false); });
    connect(hilfe, &QAction::triggered, this, [this] { bHiOKClick(true); });
    connect(about, &QAction::triggered, this, [this] { About1Click(); });
    connect(mittag, &QAction::triggered, this, [this] { DialogZeigen<MittagDialog>(uhr, this); });
    connect(reichweite, &QAction::triggered, this,
            [this] { DialogZeigen<ReichweiteDialog>(uhr, this); });
}

void Hauptfenster::verbinden() {
    for (QToolButton* k : {tbPlus, tbMinus, tbReset})
        connect(k, &QToolButton::clicked, this, [this, k] { btZoomClick(k); });
    for (QToolButton* k : {tbLeft, tbRight, tbUp, tbDown})
        connect(k, &QToolButton::clicked, this, [this, k] { btTranslation(k); });
    connect(tbPrint, &QToolButton::clicked, this, [this] { Grafikdrucken1Click(uhr, this); });
    connect(ToolButton1, &QToolButton::clicked, this,
            [this] { Listedrucken1Click(uhr, this, true); });
    connect(tbHpg, &QToolButton::clicked, this, [this] { AchseWaehlen(uhr, PanSave, false); });
    connect(tbDXF, &QToolButton::clicked, this, [this] { AchseWaehlen(uhr, PanSave, true); });
    connect(Image1, &Bildflaeche::gezogen, this, &Hauptfenster::Bildgezogen);

    for (QPushButton* k : {BitBtn1, BitBtn2})
        connect(k, &QPushButton::clicked, this, [this] { btGoClick(Absender::Sonstige); });
    connect(btGo2, &QPushButton::clicked, this, [this] { btGoClick(Absender::btGo2); });
    connect(Button1, &QPushButton::clicked, this, [this] { bMore2Click(Button1); });
    connect(bMore2, &QPushButton::clicked, this, [this] { bMore2Click(bMore2); });
    for (QPushButton* k : {BtnTsDat, BtnTsShade, BtnTsAna})
        connect(k, &QPushButton::clicked, this, [this] { Tabellespeichern1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { bHiOKClick(false); });

    for (QSpinBox* s : {eStart, eEnd, eLph})
        connect(s, &QSpinBox::valueChanged, this, [this, s] { lStartClick(s); });
    for (QCheckBox* c : {chBzonzeit, ChBRiseSet, chBSchatt})
        connect(c, &QCheckBox::clicked, this, [this, c] { lStartClick(c); });
    for (QSpinBox* s : {efStart, efEnd})
        connect(s, &QSpinBox::valueChanged, this, [this] {
            uhr.efStartEndChange(efStart->value(), efEnd->value());
            TabellenAktualisieren();
        });
    connect(chbGenau, &QCheckBox::clicked, this, [this](bool an) {
        uhr.chbGenauClick(an);
        Spiegeln();
    });

    connect(rgArten, &Optionsgruppe::gewaehlt, this, [this](int i) {
        uhr.rgArtenClick(i, true);
        ModusAnzeigen();
        Spiegeln();
    });
    connect(rgAnzahl, &Optionsgruppe::gewaehlt, this, [this](int i) {
        uhr.rgAnzahlClick(i);
        Spiegeln();
    });
    connect(rgMittelwert, &Optionsgruppe::gewaehlt, this, [this](int i) {
        uhr.rgMittelwertClick(i, true);
        Label4Setzen();
        Spiegeln();
    });
    connect(rgKoordAusg, &Optionsgruppe::gewaehlt, this, [this](int i) {
        uhr.rgKoordAusgClick(i);
        Spiegeln();
    });
    connect(rgDefault, &Optionsgruppe::gewaehlt, this, [this](int i) { uhr.rgDefaultClick(i); });
    connect(rgAnzeige, &Optionsgruppe::gewaehlt, this, [this] { Tabellenwahl(); });
    // A page laid out only when it comes to the front: its tables take their
    // column widths then.
    connect(PgCtrl, &QTabWidget::currentChanged, this,
            [this] { QTimer::singleShot(0, this, [this] { spaltenBreiten(); }); });
    for (QTableView* t : {StrGrid8, StrGrid8b})
        connect(t, &QTableView::doubleClicked, this, [this] { StrGrid8bDblClick(); });

    for (QWidget* p : {Panel1, Panel2}) {
        p->setContextMenuPolicy(Qt::PreventContextMenu);
    }
    // The window sees every event before its controls: the zoom and pan keys
    // work on any page, and the fields are checked when they are left.
    qApp->installEventFilter(this);
}

} // namespace skiora::app

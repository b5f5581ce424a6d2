// The five result pages and their controls.
#include "app/Bildflaeche.h"
#include "app/ExportPanel.h"
#include "app/FertigungDialog.h"
#include "app/Gittermodell.h"
#include "app/Hauptfenster.h"
#include "app/Optionsgruppe.h"
#include "app/Zeichnung.h"
#include "core/Zahlen.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace skiora::app {

namespace {

// Holds the picture at the left, never wider than 1.65 times its height; the
// band to its right stays empty.
class BildRahmen : public QWidget {
  public:
    BildRahmen(QWidget* bild, QWidget* eltern) : QWidget(eltern), bild_(bild) {
        bild_->setParent(this);
        setMinimumSize(200, 150);
    }

  protected:
    void resizeEvent(QResizeEvent*) override {
        const int h = height();
        const int w = std::min(width(), static_cast<int>(std::lround(1.65 * h)));
        bild_->setGeometry(0, 0, w, h);
    }

  private:
    QWidget* bild_;
};

QPushButton* TabellenKnopf(const char* name, QWidget* eltern) {
    auto* k = new QPushButton(eltern);
    k->setObjectName(name);
    k->setProperty("Tag", 17);
    k->setToolTip("Saves table in Excel format *.csv");
    return k;
}

} // namespace

QLabel* Hauptfenster::neuesLabel(const char* name, int tag) {
    auto* l = new QLabel(this);
    l->setObjectName(name);
    if (tag) l->setProperty("Tag", tag);
    return l;
}

QTableView* Hauptfenster::neueTabelle(const char* name, Gitter& gitter, Gittermodell** modell) {
    auto* t = new QTableView(this);
    t->setObjectName(name);
    *modell = new Gittermodell(gitter, t);
    t->setModel(*modell);
    t->horizontalHeader()->hide();
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    t->verticalHeader()->setMinimumSectionSize(4);
    t->horizontalHeader()->setMinimumSectionSize(3);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setWordWrap(false);
    return t;
}

void Hauptfenster::erstelleSeiten() {
    PgCtrl = new QTabWidget(this);
    PgCtrl->setObjectName("PgCtrl");
    PgCtrl->setProperty("Tag", 620);
    PgCtrl->addTab(erstelleGrafikSeite(), QString());
    PgCtrl->addTab(erstelleStundenSeite(), QString());
    PgCtrl->addTab(erstelleSchattenSeite(), QString());
    PgCtrl->addTab(erstelleDatumsSeite(), QString());
    PgCtrl->addTab(erstelleSplitSeite(), QString());
    PgCtrl->setTabVisible(4, false);
}

QWidget* Hauptfenster::erstelleGrafikSeite() {
    TSGrafik = new QWidget(this);
    TSGrafik->setObjectName("TSGrafik");
    TSGrafik->setProperty("Tag", 14);
    auto* zeile = new QHBoxLayout(TSGrafik);
    zeile->setContentsMargins(10, 2, 2, 2);
    zeile->setSpacing(10);

    ToolBar1 = new QToolBar(TSGrafik);
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setOrientation(Qt::Vertical);
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto knopf = [this](const char* name, const char* text, const char* hinweis) {
        auto* k = new QToolButton(ToolBar1);
        k->setObjectName(name);
        k->setText(text);
        if (*hinweis) k->setToolTip(hinweis);
        k->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        ToolBar1->addWidget(k);
        return k;
    };
    // Every mnemonic of the page is unique: the menu bar has D, F, H and O,
    // Alt+X quits, the input panels have M, N and W, the resize notice R.
    // "Down" keeps none (no letter of it is free); Alt+cursor down pans.
    tbMinus = knopf("tbMinus", "&Zoom out", "Zoom out");
    tbPlus = knopf("tbPlus", "Zoom &in", "Zoom in");
    ToolBar1->addSeparator();
    tbLeft = knopf("tbLeft", "&Left", "Image left (or <ALT>+<Cursor Left>)");
    tbRight = knopf("tbRight", "Ri&ght", "Image right (or <ALT>+<Cursor Right>)");
    tbUp = knopf("tbUp", "&Up", "Image up (or <ALT>+<Cursor Up>)");
    tbDown = knopf("tbDown", "Down", "Image down (or <ALT>+<Cursor Down>)");
    ToolBar1->addSeparator();
    tbReset = knopf("tbReset", "Re&set", "Reset");
    ToolBar1->addSeparator();
    tbPrint = knopf("tbPrint", "&Print Dial", "Print displayed dial");
    ToolButton1 = knopf("ToolButton1", "Prin&t Lists", "Print all tables");
    ToolBar1->addSeparator();
    tbHpg = knopf("tbHpg", "S&ave hpg... ", "");
    tbDXF = knopf("tbDXF", "Sa&ve dxf...", "");
    ToolBar1->addWidget(ErstelleFertigungsKnopf(uhr, ToolBar1));
    zeile->addWidget(ToolBar1, 0, Qt::AlignTop);

    Image1 = new Bildflaeche(
        "Image1", [this](QPainter& m, QSize g) { ZeichneDial(uhr, m, g); }, nullptr);
    Image1->setProperty("Tag", 13);
    Image1->setzeZiehbar(true);
    zeile->addWidget(new BildRahmen(Image1, TSGrafik), 1);
    PanSave = ErstellePanSave(uhr, TSGrafik);
    // The export may set a new axis and recalculate: show what changed.
    PanSaveNachRechnung(PanSave, [this] {
        eHalb->setText(QString::fromStdString(ZahlText(5, 2, uhr.p.Halb)));
        eHalb->setModified(false);
        Spiegeln();
    });
    return TSGrafik;
}

QWidget* Hauptfenster::erstelleStundenSeite() {
    TsDat = new QWidget(this);
    TsDat->setObjectName("TsDat");
    TsDat->setProperty("Tag", 15);
    auto* spalte = new QVBoxLayout(TsDat);
    spalte->setContentsMargins(2, 2, 2, 2);
    // The choice of what the table shows stands above it, so that the table
    // keeps the page's width for its sixteen columns.
    auto* kopf = new QHBoxLayout;
    kopf->addWidget(neuesLabel("Label19", 32), 0, Qt::AlignTop);
    rgKoordAusg = new Optionsgruppe("rgKoordAusg", TsDat);
    rgKoordAusg->setProperty("Tag", 75);
    kopf->addWidget(rgKoordAusg);
    kopf->addStretch(1);
    spalte->addLayout(kopf);
    auto* zeile = new QHBoxLayout;
    StrGridStd = neueTabelle("StrGridStd", uhr.tab.StrGridStd, &mStd);
    mStd->zeilenNummern = true;
    zeile->addWidget(StrGridStd, 1);
    auto* rechts = new QVBoxLayout;
    rechts->addStretch(1);
    BtnTsDat = TabellenKnopf("BtnTsDat", TsDat);
    rechts->addWidget(BtnTsDat);
    rechts->addSpacing(10);
    zeile->addLayout(rechts);
    spalte->addLayout(zeile, 1);
    return TsDat;
}

QWidget* Hauptfenster::erstelleSchattenSeite() {
    tsShade = new QWidget(this);
    tsShade->setObjectName("tsShade");
    tsShade->setProperty("Tag", 16);
    auto* spalte = new QVBoxLayout(tsShade);
    spalte->setContentsMargins(2, 2, 2, 2);
    auto* kopf = new QHBoxLayout;
    kopf->addWidget(neuesLabel("Label2", 117));
    lDat2 = neuesLabel("lDat2");
    kopf->addWidget(lDat2);
    kopf->addSpacing(30);
    kopf->addWidget(neuesLabel("Label1", 220));
    kopf->addStretch(1);
    spalte->addLayout(kopf);
    auto* zeile = new QHBoxLayout;
    StrGridShad = neueTabelle("StrGridShad", uhr.tab.StrGridShad, &mShad);
    mShad->zeilenNummern = true;
    zeile->addWidget(StrGridShad, 1);
    auto* rechts = new QVBoxLayout;
    rechts->addStretch(1);
    BtnTsShade = TabellenKnopf("BtnTsShade", tsShade);
    rechts->addWidget(BtnTsShade);
    rechts->addSpacing(10);
    zeile->addLayout(rechts);
    spalte->addLayout(zeile, 1);
    return tsShade;
}

QWidget* Hauptfenster::erstelleDatumsSeite() {
    TSAnaDat = new QWidget(this);
    TSAnaDat->setObjectName("TSAnaDat");
    TSAnaDat->setProperty("Tag", 17);
    auto* zeile = new QHBoxLayout(TSAnaDat);
    zeile->setContentsMargins(2, 2, 2, 2);
    StrGridDat = neueTabelle("StrGridDat", uhr.tab.StrGridDat, &mDat);
    zeile->addWidget(StrGridDat, 5);

    auto* rechts = new QVBoxLayout;
    pSplit = new QFrame(TSAnaDat);
    pSplit->setObjectName("pSplit");
    pSplit->setFrameShape(QFrame::StyledPanel);
    auto* splitSpalte = new QVBoxLayout(pSplit);
    mSplit = new QPlainTextEdit(pSplit);
    mSplit->setObjectName("mSplit");
    mSplit->setProperty("Tag", 50);
    mSplit->setReadOnly(true);
    splitSpalte->addWidget(mSplit);
    rechts->addWidget(pSplit, 1);

    pErrGraph = new QFrame(TSAnaDat);
    pErrGraph->setObjectName("pErrGraph");
    auto* fehler = new QGridLayout(pErrGraph);
    fehler->setContentsMargins(4, 4, 4, 4);
    fehler->addWidget(neuesLabel("Label14", 91), 0, 0, 1, 3);
    ImError = new Bildflaeche(
        "ImError", [this](QPainter& m, QSize g) { ZeichneFehler(uhr, m, g); }, pErrGraph);
    ImError->setFixedSize(400, 290);
    fehler->addWidget(ImError, 1, 0, 1, 3);
    fehler->addWidget(neuesLabel("lmaxErr", 92), 2, 0);
    lmaxErrAbs = neuesLabel("lmaxErrAbs");
    fehler->addWidget(lmaxErrAbs, 2, 1);
    fehler->addWidget(neuesLabel("lmaxTxt", 25), 2, 2);
    fehler->addWidget(neuesLabel("Label13", 93), 3, 0);
    lDek0 = neuesLabel("lDek0");
    fehler->addWidget(lDek0, 3, 1);
    fehler->addWidget(neuesLabel("Label20", 24), 3, 2);
    fehler->addWidget(neuesLabel("lRise", 94), 4, 0);
    lKoordAufUnter = neuesLabel("lKoordAufUnter");
    fehler->addWidget(lKoordAufUnter, 4, 1, 1, 2);
    fehler->setColumnStretch(2, 1);
    rechts->addWidget(pErrGraph, 0, Qt::AlignHCenter);
    BtnTsAna = TabellenKnopf("BtnTsAna", TSAnaDat);
    rechts->addSpacing(10);
    rechts->addWidget(BtnTsAna, 0, Qt::AlignLeft);
    rechts->addStretch(1);
    zeile->addLayout(rechts, 4);
    return TSAnaDat;
}

QWidget* Hauptfenster::erstelleSplitSeite() {
    tsSlope = new QWidget(this);
    tsSlope->setObjectName("tsSlope");
    tsSlope->setProperty("Tag", 18);
    auto* zeile = new QHBoxLayout(tsSlope);
    zeile->setContentsMargins(2, 2, 2, 2);

    auto* links = new QVBoxLayout;
    links->addWidget(neuesLabel("Label12", 125));
    auto* kopf = new QHBoxLayout;
    kopf->addWidget(neuesLabel("Label5", 112));
    kopf->addWidget(neuesLabel("Label6", 113));
    links->addLayout(kopf);
    StrGridEin = neueTabelle("StrGridEin", uhr.tab.StrGridEin, &mEin);
    StrGridEin->setToolTip("Input in hours hh.hhh  -   not in hh.mm !");
    StrGridEin->setEditTriggers(QAbstractItemView::AllEditTriggers);
    mEin->bearbeitbar = true;
    mEin->zelleSetzen = [this](int s, int z, const std::string& t) {
        return uhr.EingabeZelleSetzen(s, z, t);
    };
    links->addWidget(StrGridEin, 1);
    StrMittel = neueTabelle("StrMittel", uhr.tab.StrMittel, &mMittel);
    StrMittel->setProperty("Tag", 30);
    mMittel->festeFarbe = QColor(0xff, 0xff, 0x00);
    StrMittel->setFixedHeight(4 * (fontMetrics().height() + 4) + 4);
    links->addWidget(StrMittel);
    zeile->addLayout(links, 3);

    auto* mitte = new QVBoxLayout;
    lOptimier = neuesLabel("lOptimier", 126);
    mitte->addWidget(lOptimier);
    Label4 = neuesLabel("Label4", 20);
    Label4->setWordWrap(true);
    mitte->addWidget(Label4);
    rgDefault = new Optionsgruppe("rgDefault", tsSlope);
    rgDefault->setProperty("Tag", 70);
    mitte->addWidget(rgDefault);
    rgAnzeige = new Optionsgruppe("rgAnzeige", tsSlope);
    rgAnzeige->setProperty("Tag", 60);
    mitte->addWidget(rgAnzeige);
    mitte->addStretch(1);
    btGo2 = new QPushButton("  Go ..", tsSlope);
    btGo2->setObjectName("btGo2");
    mitte->addWidget(btGo2);
    mitte->addSpacing(15);
    zeile->addLayout(mitte, 1);

    StrGrid8 = neueTabelle("StrGrid8", uhr.tab.StrGrid8, &m8);
    StrGrid8b = neueTabelle("StrGrid8b", uhr.tab.StrGrid8b, &m8b);
    zeile->addWidget(StrGrid8, 7);
    zeile->addWidget(StrGrid8b, 7);
    StrGrid8->hide();
    return tsSlope;
}

} // namespace skiora::app

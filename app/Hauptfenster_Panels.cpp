// The two input panels at the bottom and the overlay panels.
#include "app/Hauptfenster.h"
#include "app/Optionsgruppe.h"
#include "lang/KomfortTexte.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace skiora::app {

namespace {

const char* const PanelHinweis = "Change input panel with right mouse click";

QSpinBox* Drehfeld(const char* name, int von, int bis, QWidget* eltern) {
    auto* s = new QSpinBox(eltern);
    s->setObjectName(name);
    s->setRange(von, bis);
    return s;
}

QCheckBox* Haekchen(const char* name, int tag, QWidget* eltern) {
    auto* c = new QCheckBox(eltern);
    c->setObjectName(name);
    c->setProperty("Tag", tag);
    return c;
}

QPushButton* Knopf(const char* name, int tag, QWidget* eltern) {
    auto* k = new QPushButton(eltern);
    k->setObjectName(name);
    if (tag) k->setProperty("Tag", tag);
    return k;
}

QFrame* Tafel(const char* name, QWidget* eltern) {
    auto* f = new QFrame(eltern);
    f->setObjectName(name);
    f->setFrameShape(QFrame::StyledPanel);
    f->setFrameShadow(QFrame::Raised);
    return f;
}

} // namespace

QLineEdit* Hauptfenster::neuesFeld(const char* name, Feld feld) {
    auto* e = new QLineEdit(this);
    e->setObjectName(name);
    e->setAlignment(Qt::AlignRight);
    e->setFixedWidth(fontMetrics().horizontalAdvance("-000.00") + 14);
    felder_.insert(e, feld);
    return e;
}

void Hauptfenster::erstellePanel1() {
    auto* p = Tafel("Panel1", this);
    Panel1 = p;
    p->setToolTip(PanelHinweis);
    p->setMouseTracking(true);
    auto* g = new QGridLayout(p);
    g->setContentsMargins(8, 4, 8, 4);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(3);

    g->addWidget(neuesLabel("lDat", 101), 0, 0, 1, 2);
    eBreit = neuesFeld("eBreit", Feld::eBreit);
    eBreit->setProperty("Tag", 103);
    eLang = neuesFeld("eLang", Feld::eLang);
    eZone = neuesFeld("eZone", Feld::eZone);
    eHalb = neuesFeld("eHalb", Feld::eHalb);
    eIncl = neuesFeld("eIncl", Feld::eIncl);
    eGnomInc = neuesFeld("eGnomInc", Feld::eGnomInc);
    eHoehe = neuesFeld("eHoehe", Feld::eHoehe);
    ejahr = neuesFeld("ejahr", Feld::ejahr);
    eRiseSet = neuesFeld("eRiseSet", Feld::eRiseSet);

    // Three columns of label and field: site, ellipse, gnomon.
    g->addWidget(neuesLabel("lBreit", 103), 1, 0);
    g->addWidget(eBreit, 1, 1);
    g->addWidget(neuesLabel("lLang", 104), 2, 0);
    g->addWidget(eLang, 2, 1);
    g->addWidget(neuesLabel("lZone", 105), 3, 0);
    g->addWidget(eZone, 3, 1);

    g->addWidget(neuesLabel("lHalb", 106), 1, 2);
    g->addWidget(eHalb, 1, 3);
    g->addWidget(neuesLabel("lHalbKlein", 99), 2, 2);
    lKlein = neuesLabel("lKlein");
    g->addWidget(lKlein, 2, 3);
    g->addWidget(neuesLabel("lIncl", 107), 3, 2);
    g->addWidget(eIncl, 3, 3);

    g->addWidget(neuesLabel("lGnomInc", 108), 1, 4);
    g->addWidget(eGnomInc, 1, 5);
    g->addWidget(neuesLabel("lHoehe", 109), 2, 4);
    g->addWidget(eHoehe, 2, 5);
    g->addWidget(neuesLabel("lJahr", 116), 3, 4);
    g->addWidget(ejahr, 3, 5);

    // Rise/set marks, hour marks and the extra date: one row each, so that
    // the panel fits a screen 1024 pixels wide in both languages.
    lAufUnter = neuesLabel("lAufUnter", 119);
    g->addWidget(lAufUnter, 0, 6);
    g->addWidget(eRiseSet, 0, 7);

    auto* stunden = new QHBoxLayout;
    stunden->addWidget(neuesLabel("lStMark", 102));
    stunden->addSpacing(6);
    stunden->addWidget(neuesLabel("lStart", 110));
    eStart = Drehfeld("eStart", 2, 20, p);
    stunden->addWidget(eStart);
    stunden->addWidget(neuesLabel("LEnd", 111));
    eEnd = Drehfeld("eEnd", 5, 23, p);
    stunden->addWidget(eEnd);
    eLph = Drehfeld("eLph", 1, 6, p);
    stunden->addSpacing(6);
    stunden->addWidget(eLph);
    stunden->addWidget(neuesLabel("lLinien", 114));
    stunden->addStretch(1);
    g->addLayout(stunden, 1, 6, 1, 4);

    auto* haken = new QHBoxLayout;
    ChBRiseSet = Haekchen("ChBRiseSet", 30, p);
    haken->addWidget(ChBRiseSet);
    chBzonzeit = Haekchen("chBzonzeit", 115, p);
    haken->addWidget(chBzonzeit);
    haken->addStretch(1);
    g->addLayout(haken, 2, 6, 1, 4);

    auto* datum = new QHBoxLayout;
    chBSchatt = Haekchen("chBSchatt", 127, p);
    datum->addWidget(chBSchatt);
    datum->addSpacing(10);
    lbSchatt = neuesLabel("lbSchatt", 117);
    datum->addWidget(lbSchatt);
    MaskEdit1 = new QLineEdit(p);
    MaskEdit1->setObjectName("MaskEdit1");
    // Day and month of two digits each; blanks stand for digits not typed.
    MaskEdit1->setInputMask("00/00;_");
    MaskEdit1->setFixedWidth(fontMetrics().horizontalAdvance("00/00") + 24);
    MaskEdit1->setToolTip("additional line for the following date");
    datum->addWidget(MaskEdit1);
    datum->addStretch(1);
    g->addLayout(datum, 3, 6, 1, 4);

    BitBtn1 = Knopf("BitBtn1", 16, p);
    Button1 = Knopf("Button1", 15, p);
    // The buttons share the title row, which leaves the panel narrow enough.
    g->setColumnStretch(10, 1);
    g->addWidget(BitBtn1, 0, 2, 1, 2);
    g->addWidget(Button1, 0, 4, 1, 2);
    for (QWidget* w : p->findChildren<QWidget*>())
        w->setMouseTracking(true);
}

void Hauptfenster::erstellePanel2() {
    auto* p = Tafel("Panel2", this);
    Panel2 = p;
    p->setToolTip(PanelHinweis);
    p->setMouseTracking(true);
    auto* z = new QHBoxLayout(p);
    z->setContentsMargins(8, 4, 8, 4);

    rgArten = new Optionsgruppe("rgArten", p);
    rgArten->setProperty("Tag", 30);
    z->addWidget(rgArten);
    rgAnzahl = new Optionsgruppe("rgAnzahl", p);
    rgAnzahl->setProperty("Tag", 50);
    z->addWidget(rgAnzahl);
    rgMittelwert = new Optionsgruppe("rgMittelwert", p);
    rgMittelwert->setProperty("Tag", 40);
    z->addWidget(rgMittelwert);

    pFehler = Tafel("pFehler", p);
    auto* f = new QGridLayout(pFehler);
    f->addWidget(neuesLabel("Label21", 90), 0, 0, 1, 4);
    Label22 = neuesLabel("Label22", 110);
    f->addWidget(Label22, 1, 0);
    efStart = Drehfeld("efStart", 4, 11, pFehler);
    f->addWidget(efStart, 1, 1);
    Label23 = neuesLabel("Label23", 111);
    f->addWidget(Label23, 1, 2);
    efEnd = Drehfeld("efEnd", 13, 21, pFehler);
    f->addWidget(efEnd, 1, 3);
    chbGenau = Haekchen("chbGenau", 31, pFehler);
    f->addWidget(chbGenau, 2, 0, 1, 4);
    z->addWidget(pFehler, 0, Qt::AlignTop);
    z->addStretch(1);

    auto* knoepfe = new QVBoxLayout;
    BitBtn2 = Knopf("BitBtn2", 16, p);
    bMore2 = Knopf("bMore2", 15, p);
    knoepfe->addWidget(BitBtn2);
    knoepfe->addStretch(1);
    knoepfe->addWidget(bMore2);
    z->addLayout(knoepfe);
    for (QWidget* w : p->findChildren<QWidget*>())
        w->setMouseTracking(true);
}

void Hauptfenster::erstelleUeberlagerungen() {
    // About panel.
    pAbout = Tafel("pAbout", centralWidget());
    pAbout->setAutoFillBackground(true);
    auto* a = new QGridLayout(pAbout);
    a->setContentsMargins(16, 12, 16, 12);
    Label7 = neuesLabel("Label7");
    QFont fett = Label7->font();
    fett.setBold(true);
    fett.setPointSizeF(fett.pointSizeF() * 1.3);
    Label7->setFont(fett);
    a->addWidget(Label7, 0, 0, 1, 2);
    a->addWidget(neuesLabel("Label8", 124), 1, 0, 1, 2);
    // "For the newest version goto:" has no address to lead to; the panel
    // names the project and its licence instead (texts: KomfortTexteSetzen).
    auto* neueste = neuesLabel("Label10", 120);
    neueste->hide();
    a->addWidget(neueste, 2, 0, 1, 2);
    a->addWidget(neuesLabel("Label9"), 3, 0, 1, 2);
    a->addWidget(neuesLabel("Label11"), 4, 0);
    Panel3 = neuesLabel("Panel3");
    Panel3->setProperty("ziel", QString(lang::komfort::LizenzAdresse));
    Panel3->setToolTip(lang::komfort::LizenzAdresse);
    a->addWidget(Panel3, 4, 1, Qt::AlignLeft);
    a->setColumnStretch(1, 1); // the licence right after its caption
    auto* frei = neuesLabel("lFrei");
    frei->setWordWrap(false);
    a->addWidget(frei, 5, 0, 1, 2);
    Panel4 = neuesLabel("Panel4");
    Panel4->hide();
    for (QLabel* l : {Panel3, Panel4}) {
        l->setStyleSheet("color: #0000c0;");
        l->setCursor(Qt::PointingHandCursor);
        l->setMouseTracking(true);
    }
    pAbout->setMouseTracking(true);
    Button2 = Knopf("Button2", 0, pAbout);
    Button2->setText("OK");
    a->addWidget(Button2, 6, 1, Qt::AlignRight);
    pAbout->adjustSize();
    pAbout->hide();

    // Progress display of the long split-analemma methods.
    pGeduld = Tafel("pGeduld", centralWidget());
    pGeduld->setAutoFillBackground(true);
    auto* gd = new QVBoxLayout(pGeduld);
    ProgressBar1 = new QProgressBar(pGeduld);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setRange(0, 120);
    ProgressBar1->setMinimumWidth(300);
    gd->addWidget(ProgressBar1);
    pGeduld->adjustSize();
    pGeduld->hide();

    // The notice after a change of the window's size.
    panResize = Tafel("panResize", centralWidget());
    panResize->setAutoFillBackground(true);
    panResize->setStyleSheet("#panResize { background: #008080; } "
                             "#lResize { color: white; background: transparent; border: none; }");
    auto* rz = new QVBoxLayout(panResize);
    // A flat button: the R is underlined and Alt+R resets, as a click does.
    lResize = new QPushButton(" Click here to &RESIZE ", panResize);
    lResize->setObjectName("lResize");
    lResize->setFlat(true);
    lResize->setCursor(Qt::PointingHandCursor);
    connect(lResize, &QPushButton::clicked, this, &Hauptfenster::Resize1Click);
    rz->addWidget(lResize);
    panResize->adjustSize();
    panResize->hide();
}

} // namespace skiora::app

// The handlers of the input panels, the option groups and the overlays.
#include "app/Bildflaeche.h"
#include "app/Gittermodell.h"
#include "app/Hauptfenster.h"
#include "app/Hilfe.h"
#include "app/Optionsgruppe.h"
#include "core/Zahlen.h"
#include "help/HilfeThemen.h"
#include "lang/KomfortTexte.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QUrl>

namespace skiora::app {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// Enter moves on; Tab does what it always does.
void NaechstesFeld(QWidget* w) {
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &tab);
}

void Grau(QWidget* w, bool grau) {
    w->setStyleSheet(grau ? "color: gray;" : QString());
}

} // namespace

bool Hauptfenster::eventFilter(QObject* o, QEvent* e) {
    const auto typ = e->type();
    // Whatever the user did may have changed the dial: the title follows.
    if (typ == QEvent::MouseButtonRelease || typ == QEvent::KeyRelease || typ == QEvent::FocusOut ||
        typ == QEvent::Wheel)
        AenderungPlanen();
    // F1 on a control with a topic of its own is not the help menu's F1:
    // taking the override stops the shortcut, and the key press follows.
    if (typ == QEvent::ShortcutOverride) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_F1 && (k->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
            FokusThema() != 0) {
            e->accept();
            return true;
        }
    }
    if (typ == QEvent::KeyPress) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && w->window() == this && GroesseAendern(static_cast<QKeyEvent*>(e))) return true;
    }
    if (felder_.contains(o) || o == MaskEdit1 || o == Panel1 || o == Panel2 || o == StrGridEin ||
        o == Panel3 || o == Panel4 || o == pAbout || o == panResize ||
        (StrGridEin && o->parent() == StrGridEin->viewport())) {
        if (felder_.contains(o)) {
            auto* feld = static_cast<QLineEdit*>(o);
            if (typ == QEvent::KeyPress) return eKeyPress(o, static_cast<QKeyEvent*>(e));
            if (typ == QEvent::FocusOut && feld->isModified()) eBreitExit(feld);
        } else if (o == MaskEdit1) {
            if (typ == QEvent::KeyPress) {
                auto* k = static_cast<QKeyEvent*>(e);
                if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
                    NaechstesFeld(MaskEdit1);
                    return true;
                }
            }
            if (typ == QEvent::FocusOut && MaskEdit1->isModified()) MaskEdit1Exit();
        } else if (o == Panel1 || o == Panel2) {
            if (typ == QEvent::MouseButtonPress &&
                static_cast<QMouseEvent*>(e)->button() == Qt::RightButton) {
                bMore2Click(o); // PanePanelWechseln
                return true;
            }
            if (typ == QEvent::MouseMove) PanelMausBewegung();
        } else if (o == StrGridEin) {
            if (typ == QEvent::FocusIn && StrGridEin->isEnabled()) {
                uhr.hoppla();
                rgDefault->setzeItemIndex(uhr.opt.DefaultWerte ? 0 : 1);
                TabellenAktualisieren();
            }
        } else if (StrGridEin && o->parent() == StrGridEin->viewport() &&
                   qobject_cast<QLineEdit*>(o)) {
            if (typ == QEvent::KeyPress) {
                auto* k = static_cast<QKeyEvent*>(e);
                if (k->key() != Qt::Key_Return && k->key() != Qt::Key_Enter) return eKeyPress(o, k);
            }
        } else if (o == Panel3 || o == Panel4) {
            auto* l = static_cast<QLabel*>(o);
            if (typ == QEvent::MouseButtonRelease) Panel4Click(l);
            if (typ == QEvent::MouseMove || typ == QEvent::Enter) {
                QFont f = l->font();
                f.setItalic(true);
                l->setFont(f);
            }
        } else if (o == pAbout && typ == QEvent::MouseMove) {
            for (QLabel* l : {Panel3, Panel4}) {
                QFont f = l->font();
                f.setItalic(false);
                l->setFont(f);
            }
        } else if (o == panResize && typ == QEvent::MouseButtonRelease) {
            Resize1Click();
        }
    }
    return QMainWindow::eventFilter(o, e);
}

bool Hauptfenster::eKeyPress(QObject* feld, QKeyEvent* e) {
    auto* zeile = qobject_cast<QLineEdit*>(feld);
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        NaechstesFeld(zeile);
        return true;
    }
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    const QString t = e->text();
    if (t.isEmpty() || !t[0].isPrint()) return false; // Backspace, cursor keys, Tab
    if (t == ",") {
        zeile->insert(".");
        return true;
    }
    for (QChar c : t)
        if (!c.isDigit() && c != '.' && c != '-') return true; // discarded
    return false;
}

void Hauptfenster::eBreitExit(QLineEdit* feld) {
    if (imFeldExit_) return;
    imFeldExit_ = true;
    const FeldErgebnis r = uhr.eBreitExit(felder_.value(feld), feld->text().toStdString());
    feld->setText(Q(r.text));
    feld->setModified(false);
    Spiegeln();
    if (!r.gueltig) QTimer::singleShot(0, feld, [feld] { feld->setFocus(); });
    imFeldExit_ = false;
}

void Hauptfenster::MaskEdit1Exit() {
    if (imFeldExit_) return;
    imFeldExit_ = true;
    QString text = MaskEdit1->displayText();
    text.replace('_', ' ');
    const FeldErgebnis r = uhr.MaskEdit1Exit(text.toStdString());
    MaskEdit1->setModified(false);
    Spiegeln();
    if (!r.gueltig) QTimer::singleShot(0, MaskEdit1, [this] { MaskEdit1->setFocus(); });
    imFeldExit_ = false;
}

void Hauptfenster::lStartClick(QObject* sender) {
    if (sender == eStart || sender == eEnd || sender == eLph) {
        // A range the arrays cannot hold is refused and the spin field set back.
        if (!uhr.StundenBereichPruefen(eStart->value(), eEnd->value(), eLph->value())) {
            QSignalBlocker a(eStart), b(eEnd), c(eLph);
            eStart->setValue(uhr.opt.StdVon);
            eEnd->setValue(uhr.opt.StdBis);
            eLph->setValue(uhr.p.Lph);
            return;
        }
        uhr.opt.StdVon = static_cast<std::int16_t>(eStart->value());
        uhr.opt.StdBis = static_cast<std::int16_t>(eEnd->value());
        uhr.p.Lph = static_cast<std::uint8_t>(eLph->value());
    } else if (sender == chBzonzeit) {
        uhr.p.Zonenzeit = chBzonzeit->isChecked() ? 1 : 0;
    } else if (sender == ChBRiseSet) {
        uhr.anz.ChBRiseSetHaken = ChBRiseSet->isChecked();
    } else if (sender == chBSchatt) {
        uhr.opt.ZeigeSchatten = chBSchatt->isChecked();
    }
    uhr.lStartClick();
    Spiegeln();
}

void Hauptfenster::btGoClick(Absender absender) {
    uhr.btGoClick(absender);
    Spiegeln();
}

// The controls the mode switch changes beyond the document.
void Hauptfenster::ModusAnzeigen() {
    const bool split = uhr.p.Arten == 2;
    Grau(lAufUnter, split);
    eRiseSet->setEnabled(!split);
    Grau(Label22, !split);
    Grau(Label23, !split);
    pFehler->setVisible(split);
    StrGridEin->setEnabled(split);
    rgDefault->setEnabled(split);
    btGo2->setEnabled(split);
    Grau(rgMittelwert, !split);
    spaltenBreiten();
}

void Hauptfenster::Label4Setzen() {
    const int m = uhr.p.Mittelwert;
    Label4->setProperty("Tag", m + 19);
    Label4->setText(Q(lang::TextTabelle1(uhr.sprache.Sprache, m + 4)));
    lOptimier->setVisible(m > 0);
    chbGenau->setEnabled(m >= 2);
}

void Hauptfenster::TabellenAktualisieren() {
    for (Gittermodell* m : {mStd, mShad, mDat, m8, m8b, mMittel, mEin})
        m->aktualisieren();
    spaltenBreiten();
}

// Copies what the document decided back into the controls.
void Hauptfenster::Spiegeln() {
    const auto& a = uhr.anz;
    lKlein->setText(Q(a.lKlein));
    lDek0->setText(Q(a.lDek0));
    lDat2->setText(Q(uhr.opt.ExtraDatumName));
    if (!MaskEdit1->hasFocus() || !MaskEdit1->isModified()) {
        const std::string& d = uhr.opt.ExtraDatumText;
        if (d.find_first_not_of(" /") == std::string::npos)
            MaskEdit1->clear();
        else
            MaskEdit1->setText(Q(d));
        MaskEdit1->setModified(false);
    }
    lKoordAufUnter->setText(Q(a.lKoordAufUnter));
    lmaxErrAbs->setText(Q(a.lmaxErrAbs));
    ChBRiseSet->setEnabled(a.ChBRiseSetAktiv);
    {
        QSignalBlocker sperre(ChBRiseSet);
        ChBRiseSet->setChecked(a.ChBRiseSetHaken);
    }
    if (pErrGraph->isHidden() && a.pErrGraphSichtbar) {
        // The chart was not drawn while its panel was hidden.
        ImError->neuZeichnen();
        uhr.anz.pErrGraphSichtbar = true;
    }
    pErrGraph->setVisible(a.pErrGraphSichtbar);
    pSplit->setVisible(a.pSplitSichtbar);
    PgCtrl->setTabVisible(PgCtrl->indexOf(tsSlope), a.tsSlopeSichtbar);
    const bool schatten = uhr.opt.ZeigeSchatten;
    lbSchatt->setVisible(schatten);
    MaskEdit1->setVisible(schatten);
    PgCtrl->setTabVisible(PgCtrl->indexOf(tsShade), schatten);
    // The notice that the shadow path is switched off, only while it is.
    if (auto* hinweis = tsShade->findChild<QLabel*>("Label1")) hinweis->setVisible(!schatten);
    TabellenAktualisieren();
    pGeduld->hide();
    TitelAktualisieren();
}

void Hauptfenster::ParameterAnzeigen() {
    uhr.opt.Bereit = false;
    const auto& p = uhr.p;
    const auto& o = uhr.opt;
    QList<QObject*> gesperrt = {eStart,     eEnd,     eLph,       efStart,  efEnd,
                                chBzonzeit, chbGenau, ChBRiseSet, chBSchatt};
    std::vector<std::unique_ptr<QSignalBlocker>> sperren;
    for (QObject* g : gesperrt)
        sperren.push_back(std::make_unique<QSignalBlocker>(g));

    auto setze = [](QLineEdit* e, const std::string& t) {
        e->setText(Q(t));
        e->setModified(false);
    };
    setze(eLang, ZahlText(7, 2, p.Lang));
    setze(eBreit, ZahlText(6, 2, p.Breit));
    setze(eZone, ZahlText(6, 2, p.Zone));
    setze(eHalb, ZahlText(5, 2, p.Halb));
    setze(eIncl, ZahlText(6, 2, p.Incl));
    setze(eGnomInc, ZahlText(5, 1, p.GnomInc));
    setze(eHoehe, ZahlText(5, 2, p.Hoehe));
    setze(ejahr, std::to_string(p.Jahr));
    setze(eRiseSet, ZahlText(5, 1, p.RiseSet));
    eLph->setValue(p.Lph);
    eStart->setValue(o.StdVon);
    eEnd->setValue(o.StdBis);
    efStart->setValue(o.FehlVon);
    uhr.anz.lDek0 = ZahlText(7, 2, p.RiseSet);

    rgAnzahl->setzeItemIndex(p.Anzahl == 6 ? 3 : p.Anzahl - 1);
    chBzonzeit->setChecked(p.Zonenzeit == 1);
    chbGenau->setChecked(o.Genau);
    chBSchatt->setChecked(o.ZeigeSchatten);
    rgMittelwert->setzeItemIndex(p.Mittelwert);
    rgArten->setzeItemIndex(p.Arten);
    rgKoordAusg->setzeItemIndex(o.KoordXY ? 0 : 1);
    rgDefault->setzeItemIndex(o.DefaultWerte ? 0 : 1);
    uhr.rgArtenClick(p.Arten, false); // the mode switch, without a calculation
    ModusAnzeigen();
    Label4Setzen();
    efEnd->setValue(o.FehlBis);
    uhr.opt.Bereit = true;
    Spiegeln();
}

void Hauptfenster::Change1Click() {
    const bool zweiSichtbar = !Panel2->isHidden();
    Panel2->setVisible(!zweiSichtbar);
    Panel1->setVisible(zweiSichtbar);
}

void Hauptfenster::bMore2Click(QObject* sender) {
    if (sender != bMore2 && Panel2->isHidden()) {
        Panel1->hide();
        Panel2->show();
    } else {
        Panel2->hide();
        Panel1->show();
    }
}

void Hauptfenster::PanelMausBewegung() {
    if (panelBewegungen_ < 6) {
        ++panelBewegungen_;
        return;
    }
    Panel1->setToolTip(QString());
    Panel2->setToolTip(QString());
}

void Hauptfenster::Tabellenwahl() {
    const bool nachmittag = rgAnzeige->itemIndex() == 1;
    StrGrid8->setVisible(nachmittag);
    StrGrid8b->setVisible(!nachmittag);
}

void Hauptfenster::StrGrid8bDblClick() {
    const bool achtSichtbar = StrGrid8->isHidden();
    StrGrid8->setVisible(achtSichtbar);
    StrGrid8b->setVisible(!achtSichtbar);
    rgAnzeige->setzeItemIndex(achtSichtbar ? 1 : 0);
}

void Hauptfenster::About1Click() {
    // The program's caption, not the title with the file name before it.
    Label7->setText(lang::komfort::ProgrammTitel);
    pAbout->adjustSize();
    pAbout->move((centralWidget()->width() - pAbout->width()) / 2,
                 (centralWidget()->height() - pAbout->height()) / 3);
    pAbout->show();
    pAbout->raise();
}

void Hauptfenster::bHiOKClick(bool hilfe) {
    if (hilfe) hilfe_->Zeigen(help::ThemaUebersicht);
    pAbout->hide();
}

void Hauptfenster::Panel4Click(QLabel* link) {
    const QUrl ziel(link->property("ziel").toString());
    if (!QDesktopServices::openUrl(ziel)) uhr.MeldeNr(48, lang::Titel::Fehler, Symbol::Warnung);
}

void Hauptfenster::Fortschritt(int schritt) {
    if (pGeduld->isHidden()) {
        pGeduld->move((centralWidget()->width() - pGeduld->width()) / 2,
                      (centralWidget()->height() - pGeduld->height()) / 2);
        pGeduld->show();
        pGeduld->raise();
    }
    ProgressBar1->setValue(std::clamp(schritt, 0, 120));
    // The computation runs on this thread: let the window paint meanwhile.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace skiora::app

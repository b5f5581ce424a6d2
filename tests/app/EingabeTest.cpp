// The input panels as a user drives them: fields checked on leaving, the
// extra date, the option groups, the panel switch.
#include "Fenster.h"
#include "app/Gittermodell.h"
#include "app/Optionsgruppe.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QFrame>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

namespace skiora::app::test {

using Eingabe = FensterTest;

TEST_F(Eingabe, StartFuelltDieFelderUndRechnetEinmal) {
    EXPECT_EQ(finde<QLineEdit>("eBreit")->text(), " 47.25");
    EXPECT_EQ(finde<QLineEdit>("eLang")->text(), "  -9.59");
    EXPECT_EQ(finde<QLineEdit>("ejahr")->text(), "2002");
    EXPECT_EQ(finde<QLineEdit>("eGnomInc")->text(), "  0.0");
    EXPECT_EQ(finde<QLineEdit>("MaskEdit1")->text(), "01/05");
    EXPECT_TRUE(fenster->uhr.opt.Bereit);
    EXPECT_GE(fenster->bildZeichnungen(), 1);
    EXPECT_FALSE(fenster->uhr.tab.StrGridStd.Zelle(1, 1).empty());
    EXPECT_TRUE(melder.eintraege.empty()) << letzteMeldung();
}

TEST_F(Eingabe, ZahlenfelderNehmenKommaUndNurZiffernUndRechnenNurBeiAenderung) {
    auto* eHalb = finde<QLineEdit>("eHalb");
    const int vorher = fenster->bildZeichnungen();
    verlasse(eHalb); // unchanged: nothing happens
    EXPECT_EQ(fenster->bildZeichnungen(), vorher);
    eHalb->selectAll();
    QTest::keyClicks(eHalb, "1a2,x5b");
    EXPECT_EQ(eHalb->text(), "12.5");
    verlasse(eHalb);
    EXPECT_DOUBLE_EQ(fenster->uhr.p.Halb, 12.5);
    EXPECT_GT(fenster->bildZeichnungen(), vorher);
    EXPECT_EQ(finde<QLabel>("lKlein")->text().toStdString(), fenster->uhr.anz.lKlein);

    tippe(finde<QLineEdit>("eBreit"), "90");
    EXPECT_DOUBLE_EQ(fenster->uhr.p.Breit, 89.9999999);
}

TEST_F(Eingabe, FalscheWerteWerdenAbgewiesenUndZurueckgeschrieben) {
    auto* ejahr = finde<QLineEdit>("ejahr");
    tippe(ejahr, "1650");
    ASSERT_FALSE(melder.eintraege.empty());
    EXPECT_EQ(letzteMeldung(), "Jahresangabe =1650: Zulässiger Wertebereich ist [1700..2100] !");
    EXPECT_EQ(melder.eintraege.back().titel, "SKIORA.EXE  -  Problem!");
    EXPECT_EQ(ejahr->text(), "2002");
    EXPECT_EQ(fenster->uhr.p.Jahr, 2002);

    auto* eHalb = finde<QLineEdit>("eHalb");
    tippe(eHalb, "0.01");
    EXPECT_EQ(letzteMeldung(), "Fehlerhafte Eingabe !");
    EXPECT_EQ(eHalb->text(), "   2.75");
    EXPECT_DOUBLE_EQ(fenster->uhr.p.Halb, 2.75);
}

TEST_F(Eingabe, ExtraDatum29FebruarWeichtImGemeinjahrAuf28) {
    auto* jahr = finde<QLineEdit>("ejahr");
    auto* datum = finde<QLineEdit>("MaskEdit1");
    tippe(jahr, "2004");
    datum->selectAll();
    datum->del();
    tippe(datum, "2902");
    EXPECT_EQ(datum->text(), "29/02");
    EXPECT_EQ(finde<QLabel>("lDat2")->text(), "29. Feb");
    EXPECT_EQ(fenster->uhr.opt.ExtraTag, 29);

    tippe(jahr, "2003");
    EXPECT_EQ(fenster->uhr.p.Jahr, 2003);
    EXPECT_EQ(datum->text(), "28/02");
    EXPECT_EQ(finde<QLabel>("lDat2")->text(), "28. Feb");
    EXPECT_EQ(fenster->uhr.opt.ExtraTag, 28);
}

TEST_F(Eingabe, UngueltigesDatumLeertDasFeld) {
    auto* datum = finde<QLineEdit>("MaskEdit1");
    datum->selectAll();
    datum->del();
    tippe(datum, "3104");
    EXPECT_EQ(letzteMeldung(), "Fehlerhaftes Datum !");
    EXPECT_EQ(melder.eintraege.back().symbol, Symbol::Fehler);
    EXPECT_EQ(datum->text(), "/");
    EXPECT_EQ(fenster->uhr.opt.ExtraMonat, 5); // the last valid date stays in force
}

TEST_F(Eingabe, SplitSeiteNurBeimDoppelanalemma) {
    auto* pg = finde<QTabWidget>("PgCtrl");
    const int slope = pg->indexOf(finde<QWidget>("tsSlope"));
    auto* arten = finde<Optionsgruppe>("rgArten");
    EXPECT_FALSE(pg->isTabVisible(slope));
    EXPECT_TRUE(finde<QFrame>("pFehler")->isHidden());

    arten->knopf(2)->click();
    EXPECT_EQ(fenster->uhr.p.Arten, 2);
    EXPECT_TRUE(pg->isTabVisible(slope));
    EXPECT_FALSE(finde<QFrame>("pSplit")->isHidden());
    EXPECT_TRUE(finde<QFrame>("pErrGraph")->isHidden());
    EXPECT_FALSE(finde<QLineEdit>("eRiseSet")->isEnabled());
    EXPECT_TRUE(finde<QPushButton>("btGo2")->isEnabled());
    EXPECT_EQ(fenster->mDat->columnCount(), 9);

    arten->knopf(0)->click();
    EXPECT_FALSE(pg->isTabVisible(slope));
    EXPECT_TRUE(finde<QLineEdit>("eRiseSet")->isEnabled());
    EXPECT_EQ(fenster->mDat->columnCount(), 7);
}

TEST_F(Eingabe, FortschrittWaehrendDerSuchverfahren) {
    bool sichtbar = false;
    int hoechster = 0;
    auto* pGeduld = finde<QFrame>("pGeduld");
    auto* balken = finde<QProgressBar>("ProgressBar1");
    EXPECT_EQ(balken->maximum(), 120);
    auto original = fenster->uhr.fortschritt;
    fenster->uhr.fortschritt = [&](int s) {
        original(s);
        sichtbar = sichtbar || pGeduld->isVisible();
        hoechster = std::max(hoechster, balken->value());
    };
    finde<Optionsgruppe>("rgMittelwert")->knopf(2)->click();
    finde<Optionsgruppe>("rgArten")->knopf(2)->click();
    EXPECT_TRUE(sichtbar);
    EXPECT_GT(hoechster, 0);
    EXPECT_FALSE(pGeduld->isVisible());
    EXPECT_EQ(finde<QLabel>("Label4")->property("Tag").toInt(), 21);
}

TEST_F(Eingabe, VormittagUndNachmittagWechseln) {
    finde<Optionsgruppe>("rgArten")->knopf(2)->click();
    auto* acht = finde<QTableView>("StrGrid8");
    auto* achtB = finde<QTableView>("StrGrid8b");
    auto* anzeige = finde<Optionsgruppe>("rgAnzeige");
    anzeige->knopf(1)->click();
    EXPECT_FALSE(acht->isHidden());
    EXPECT_TRUE(achtB->isHidden());
    fenster->StrGrid8bDblClick();
    EXPECT_TRUE(acht->isHidden());
    EXPECT_FALSE(achtB->isHidden());
    EXPECT_EQ(anzeige->itemIndex(), 0);
}

TEST_F(Eingabe, RechteMaustasteWechseltDieEingabefelder) {
    auto* p1 = finde<QWidget>("Panel1");
    auto* p2 = finde<QWidget>("Panel2");
    QTest::mouseClick(p1, Qt::RightButton, {}, QPoint(3, 3));
    EXPECT_TRUE(p1->isHidden());
    EXPECT_FALSE(p2->isHidden());
    QTest::mouseClick(p2, Qt::RightButton, {}, QPoint(3, 3));
    EXPECT_FALSE(p1->isHidden());
    EXPECT_TRUE(p2->isHidden());
    // Button1 opens the date marks, bMore2 goes back.
    finde<QPushButton>("Button1")->click();
    EXPECT_FALSE(p2->isHidden());
    finde<QPushButton>("bMore2")->click();
    EXPECT_FALSE(p1->isHidden());
}

TEST_F(Eingabe, HinweisVerschwindetNachDerSiebtenBewegung) {
    auto* p1 = finde<QWidget>("Panel1");
    for (int i = 0; i < 6; ++i)
        QTest::mouseMove(p1, QPoint(5 + i, 5));
    EXPECT_FALSE(p1->toolTip().isEmpty());
    QTest::mouseMove(p1, QPoint(20, 6));
    EXPECT_TRUE(p1->toolTip().isEmpty());
    EXPECT_TRUE(finde<QWidget>("Panel2")->toolTip().isEmpty());
}

TEST_F(Eingabe, StundenbereichDerDieFelderSprengtWirdAbgewiesen) {
    auto* ende = finde<QSpinBox>("eEnd");
    auto* lph = finde<QSpinBox>("eLph");
    lph->setValue(6);
    finde<QSpinBox>("eStart")->setValue(2);
    EXPECT_EQ(fenster->uhr.p.Lph, 6);
    EXPECT_EQ(fenster->uhr.opt.StdVon, 2);
    ende->setValue(23); // (23 - 2) * 6 + 1 points: more than the 126 the arrays hold
    EXPECT_EQ(fenster->uhr.opt.StdBis, 21);
    EXPECT_EQ(ende->value(), 21);
    EXPECT_FALSE(melder.eintraege.empty());
}

TEST_F(Eingabe, AboutTafelUndIhrOk) {
    auto* about = finde<QFrame>("pAbout");
    fenster->findChild<QAction*>("About1")->trigger();
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(finde<QLabel>("Label7")->text(), "Skiora,  vers. 1.6c");
    finde<QPushButton>("Button2")->click();
    EXPECT_FALSE(about->isVisible());
}

TEST_F(Eingabe, EingabetabelleBetretenLeertDieErgebnisseUndWaehltAusTabelle) {
    finde<Optionsgruppe>("rgArten")->knopf(2)->click();
    ASSERT_FALSE(fenster->uhr.tab.StrGrid8b.Zelle(0, 1).empty());
    QFocusEvent hinein(QEvent::FocusIn, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(finde<QTableView>("StrGridEin"), &hinein);
    EXPECT_EQ(finde<Optionsgruppe>("rgDefault")->itemIndex(), 1);
    EXPECT_FALSE(fenster->uhr.opt.DefaultWerte);
    EXPECT_TRUE(fenster->mDat->data(fenster->mDat->index(1, 1)).toString().isEmpty());
}

TEST_F(Eingabe, MenueTexteInMenuefolgeOhneTrennlinien) {
    const auto& texte = lang::MenuTexte(true);
    EXPECT_EQ(fenster->Close1->title().toStdString(), texte[0]);
    EXPECT_EQ(fenster->findChild<QAction*>("Schlieen1")->text().toStdString(), texte[5]);
    EXPECT_EQ(fenster->Optionen1->title().toStdString(), texte[6]);
    EXPECT_EQ(fenster->Datenladen1->text().toStdString(), texte[11]);
    EXPECT_EQ(fenster->Englisch2->text().toStdString(), texte[14]);
    EXPECT_EQ(fenster->findChild<QAction*>("About1")->text().toStdString(), texte[17]);
    // The popup menu lies outside the main menu: its items follow their Tags.
    EXPECT_EQ(fenster->findChild<QAction*>("N6")->text().toStdString(), lang::LadeText(204));
}

TEST_F(Eingabe, EnterGehtWeiterUndPrueftDasFeld) {
    auto* eBreit = finde<QLineEdit>("eBreit");
    eBreit->setFocus();
    ASSERT_TRUE(eBreit->hasFocus());
    eBreit->selectAll();
    QTest::keyClicks(eBreit, "50");
    QTest::keyClick(eBreit, Qt::Key_Return);
    EXPECT_FALSE(eBreit->hasFocus());
    EXPECT_DOUBLE_EQ(fenster->uhr.p.Breit, 50);

    // A refused value takes the focus back.
    eBreit->setFocus();
    eBreit->selectAll();
    QTest::keyClicks(eBreit, "95");
    QTest::keyClick(eBreit, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_TRUE(eBreit->hasFocus());
    EXPECT_EQ(eBreit->text(), "  50.00");
    EXPECT_EQ(letzteMeldung(), "Fehlerhafte Eingabe !");
}

TEST_F(Eingabe, EingabetabelleNimmtStundenMitKommaUndVerwirftBuchstaben) {
    finde<Optionsgruppe>("rgArten")->knopf(2)->click();
    auto* ein = finde<QTableView>("StrGridEin");
    const QModelIndex zelle = fenster->mEin->index(3, 1);
    ein->setFocus();
    ein->setCurrentIndex(zelle);
    ein->edit(zelle);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "9x,7");
    EXPECT_EQ(editor->text(), "9.7");
    QTest::keyClick(editor, Qt::Key_Return);
    // The view commits the editor through queued events; a slow (sanitizer)
    // build may need a few rounds.
    for (int i = 0; i < 100 && fenster->uhr.tab.StrGridEin.Zelle(1, 3) != "9.7"; ++i)
        QTest::qWait(10);
    EXPECT_EQ(fenster->uhr.tab.StrGridEin.Zelle(1, 3), "9.7");
    EXPECT_EQ(fenster->mEin->data(zelle).toString(), "9.7");
}

} // namespace skiora::app::test

// The language switch at run time: tagged controls, option groups, tabs,
// menus and Qt's own words.
#include "Fenster.h"
#include "app/Anwendung.h"
#include "app/DialogMelder.h"
#include "app/Optionsgruppe.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

namespace skiora::app::test {

using Sprache = FensterTest;

TEST_F(Sprache, StrgEUndStrgDSchaltenAlleTexteUm) {
    auto* lBreit = finde<QLabel>("lBreit");
    EXPECT_EQ(lBreit->text(), "geogr. Breite");
    QTest::keyClick(fenster.get(), Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(fenster->uhr.sprache.Sprache, 2);
    EXPECT_EQ(lBreit->text(), "Latitude");
    EXPECT_EQ(finde<QPushButton>("BitBtn1")->text(), "&New Calculation");

    auto* pg = finde<QTabWidget>("PgCtrl");
    ASSERT_EQ(pg->count(), 5);
    EXPECT_EQ(pg->tabText(0), " Graphic Display ");
    EXPECT_EQ(pg->tabText(4), "    Split Analemma     ");

    auto* anzahl = finde<Optionsgruppe>("rgAnzahl");
    EXPECT_EQ(anzahl->title(), " Number of Date Marks ");
    ASSERT_EQ(anzahl->eintraege().size(), 4);
    EXPECT_EQ(anzahl->eintraege().front(), " 1 per month");
    EXPECT_EQ(anzahl->eintraege().back(), " on 1/6/11/16/21/26");
    EXPECT_EQ(anzahl->itemIndex(), 2); // the choice survives new item texts
    // No resource of their own: their captions are empty after every walk.
    EXPECT_TRUE(finde<Optionsgruppe>("rgDefault")->title().isEmpty());
    EXPECT_TRUE(finde<Optionsgruppe>("rgKoordAusg")->title().isEmpty());

    EXPECT_TRUE(fenster->Englisch2->isChecked());
    EXPECT_FALSE(fenster->Deutsch2->isChecked());
    EXPECT_EQ(fenster->Close1->title(), "  &Files  ");
    EXPECT_EQ(fenster->Sprache2->title(), "&Language");
    EXPECT_EQ(fenster->findChild<QAction*>("Reset1")->text(), "Reset (Size Adaption)");

    QTest::keyClick(fenster.get(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(lBreit->text(), "geogr. Breite");
    EXPECT_EQ(pg->tabText(0).trimmed(),
              QString::fromStdString(lang::TextTabelle1(1, 13)).trimmed());
    EXPECT_EQ(fenster->Close1->title(), "  &Datei  ");
    EXPECT_TRUE(fenster->Deutsch2->isChecked());
}

// The switch rebuilds tables and picture at once, without repeating messages.
TEST_F(Sprache, TabellenUndBildFolgenDemUmschaltenSofort) {
    const int bilder = fenster->bildZeichnungen();
    QTest::keyClick(fenster.get(), Qt::Key_E, Qt::ControlModifier);
    EXPECT_GT(fenster->bildZeichnungen(), bilder);
    EXPECT_EQ(finde<QTableView>("StrGridStd")->model()->index(0, 1).data().toString(), "Time");
    EXPECT_TRUE(melder.eintraege.empty()) << letzteMeldung();
}

TEST_F(Sprache, Label4ZeigtNachDemUmschaltenSeineRessource) {
    fenster->uhr.p.Mittelwert = 2;
    fenster->ParameterAnzeigen();
    auto* label4 = finde<QLabel>("Label4");
    EXPECT_EQ(label4->text().toStdString(), lang::TextTabelle1(1, 6));
    fenster->Deutsch1Click(true);
    EXPECT_EQ(label4->text().toStdString(), lang::LadeText(21));
}

TEST_F(Sprache, QtsEigeneWorteFolgenDerSprache) {
    const QString pfad = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFile::exists(pfad + "/qtbase_de.qm")) GTEST_SKIP() << "no German Qt translations";
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
    fenster->Deutsch1Click(false);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
    fenster->Deutsch1Click(true);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
}

TEST(Meldungstext, ZeilenumbruecheWerdenEinUmbruch) {
    EXPECT_EQ(Zeilenumbrueche("a\n\rb\rc\r\nd\ne"), "a\nb\nc\nd\ne");
    EXPECT_EQ(Zeilenumbrueche("a\n\nb"), "a\n\nb");
    EXPECT_EQ(Zeilenumbrueche("Gnomon lies (nearly) in the dial plane!\n\rCalculation aborted !"),
              "Gnomon lies (nearly) in the dial plane!\nCalculation aborted !");
}

} // namespace skiora::app::test

namespace skiora::app::test {

namespace {
class Werfer : public QObject {
  public:
    bool event(QEvent*) override { throw std::runtime_error("Platte voll"); }
};
} // namespace

TEST(Fehlerbericht, UnbehandelterFehlerWirdGemeldetUndDasProgrammLaeuftWeiter) {
    QtStarten();
    auto* anwendung = qobject_cast<Anwendung*>(QCoreApplication::instance());
    ASSERT_NE(anwendung, nullptr);
    SammelMelder melder;
    anwendung->setzeFehlerMelder(&melder);
    Werfer w;
    QEvent e(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&w, &e));
    anwendung->setzeFehlerMelder(nullptr);
    ASSERT_EQ(melder.eintraege.size(), 1u);
    EXPECT_EQ(melder.eintraege[0].text, "Platte voll");
    EXPECT_EQ(melder.eintraege[0].symbol, Symbol::Fehler);
}

} // namespace skiora::app::test

// The noon table and the shadow reach from the Options menu.
#include "Fenster.h"
#include "app/MittagDialog.h"
#include "app/ReichweiteDialog.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>

namespace skiora::app::test {

namespace {

QString Text(QAction* a) {
    return a ? a->text() : QString("<missing>");
}

} // namespace

using Sonnentabellen = FensterTest;

TEST_F(Sonnentabellen, EigeneMenueeintraegeVerschiebenDieNummeriertenTexteNicht) {
    for (bool deutsch : {true, false}) {
        fenster->Deutsch1Click(deutsch);
        const auto& texte = lang::MenuTexte(deutsch);
        // Language submenu and About keep their numbered texts (12 and 17).
        EXPECT_EQ(Text(fenster->findChild<QAction*>("Sprache2")).toStdString(), texte[12]);
        EXPECT_EQ(Text(fenster->findChild<QAction*>("About1")).toStdString(), texte[17]);
        EXPECT_EQ(Text(fenster->findChild<QAction*>("Mittagstabelle1")),
                  deutsch ? "&Mittagstabelle ..." : "&Noon Table ...");
        EXPECT_EQ(Text(fenster->findChild<QAction*>("Schattenreichweite1")),
                  deutsch ? "Schatten&reichweite ..." : "Shadow &Reach ...");
    }
}

TEST_F(Sonnentabellen, MittagstabelleFolgtDemDialUndWirdGespeichert) {
    fenster->findChild<QAction*>("Mittagstabelle1")->trigger();
    auto* d = fenster->findChild<MittagDialog*>();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->isVisible());
    QAbstractItemModelTester pruefer(d->tabelle()->model(),
                                     QAbstractItemModelTester::FailureReportingMode::Fatal);
    ASSERT_EQ(d->tabelle()->model()->rowCount(), 366); // 2002 and the heading
    ASSERT_EQ(d->tabelle()->model()->columnCount(), 3);
    EXPECT_NE(d->findChild<QLabel*>("lOrt")->text().indexOf("Ohne Sommerzeit."), -1);
    const QString vorher = d->tabelle()->model()->index(1, 2).data().toString();

    // A site with summer time and another longitude: the open table follows
    // the next calculation.
    fenster->uhr.ort.HatSommerzeit = true;
    fenster->uhr.ort.SzBeginnTag = 31, fenster->uhr.ort.SzBeginnMonat = 3;
    fenster->uhr.ort.SzEndeTag = 27, fenster->uhr.ort.SzEndeMonat = 10;
    tippe(finde<QLineEdit>("eLang"), "-13.41");
    EXPECT_EQ(d->tabelle()->model()->columnCount(), 4);
    EXPECT_NE(d->tabelle()->model()->index(1, 2).data().toString(), vorher);
    EXPECT_EQ(d->tabelle()->model()->index(200, 3).data().toString().size(), 8); // 19.Jul
    EXPECT_NE(d->findChild<QLabel*>("lOrt")->text().indexOf(
                  "geogr. Laenge -13.41,  Zonenmeridian -15.00.  Sommerzeit vom 31.03. bis 27.10."),
              -1)
        << d->findChild<QLabel*>("lOrt")->text().toStdString();

    // A second call brings the same window back.
    fenster->findChild<QAction*>("Mittagstabelle1")->trigger();
    EXPECT_EQ(fenster->findChildren<MittagDialog*>().size(), 1);

    QTemporaryDir ordner;
    ASSERT_TRUE(d->SpeichernNach(ordner.filePath("mittag.csv"), 1));
    QFile f(ordner.filePath("mittag.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> zeilen = f.readAll().split('\n');
    EXPECT_EQ(zeilen[0], "\"Wahrer Mittag 2002\";\r");
    EXPECT_EQ(zeilen[8], "\"Datum\";\"Zeitgleichung\";\"Wahrer Mittag (Zonenzeit)\";\"Wahrer "
                         "Mittag (Sommerzeit)\";\r");
    EXPECT_EQ(zeilen.size(), 8 + 366 + 1);
    // A file that cannot be written is reported, in the program's words.
    EXPECT_FALSE(d->SpeichernNach(ordner.filePath("fehlt/mittag.csv"), 0));
    EXPECT_NE(letzteMeldung().find("fehlt/mittag.csv"), std::string::npos) << letzteMeldung();
}

TEST_F(Sonnentabellen, ReichweiteNimmtGueltigeHoehenUndBehaeltBeiFehlernDieAlten) {
    fenster->findChild<QAction*>("Schattenreichweite1")->trigger();
    auto* d = fenster->findChild<ReichweiteDialog*>();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->felder[0]->text(), "1.20");
    EXPECT_EQ(d->felder[1]->text(), "1.80");
    EXPECT_EQ(d->felder[2]->text(), "");
    // The default dial is too large for summer noon shadows.
    EXPECT_TRUE(d->findChild<QLabel*>("lWarnung")->isVisibleTo(d));
    EXPECT_EQ(d->gitter().Zelle(0, 2), "1.80");

    const std::size_t meldungen = melder.eintraege.size();
    tippe(d->felder[0], "3");
    ASSERT_EQ(melder.eintraege.size(), meldungen + 1);
    EXPECT_NE(letzteMeldung().find("0.5 bis 2.5"), std::string::npos);
    EXPECT_EQ(d->felder[0]->text(), "1.20");
    EXPECT_EQ(fenster->uhr.reichweite.Hoehen, (std::vector<double>{1.2, 1.8}));
    tippe(d->felder[1], "x");
    EXPECT_EQ(melder.eintraege.size(), meldungen + 2);
    EXPECT_EQ(d->felder[1]->text(), "1.80");

    // Arms raised: 2.4 m reaches every mark of a smaller dial.
    const int zeichnungen = fenster->bildZeichnungen();
    tippe(d->felder[2], "2,4");
    EXPECT_EQ(melder.eintraege.size(), meldungen + 2);
    EXPECT_EQ(fenster->uhr.reichweite.Hoehen, (std::vector<double>{1.2, 1.8, 2.4}));
    EXPECT_EQ(d->felder[2]->text(), "2.40");
    EXPECT_EQ(d->gitter().Zelle(0, 3), "2.40");
    EXPECT_GT(fenster->bildZeichnungen(), zeichnungen); // the picture's warning follows
    // Emptied fields are dropped; the heights move up.
    d->felder[0]->clear();
    d->felder[1]->clear();
    verlasse(d->felder[1]);
    EXPECT_EQ(d->felder[0]->text(), "2.40");
    tippe(finde<QLineEdit>("eHalb"), "1.5");
    EXPECT_FALSE(fenster->uhr.reichweite.zuKurz());
    EXPECT_FALSE(d->findChild<QLabel*>("lWarnung")->isVisibleTo(d));
    EXPECT_EQ(fenster->uhr.reichweite.Hoehen, (std::vector<double>{2.4}));
}

} // namespace skiora::app::test

// Files / Layout sheet ... and Files / Full-size tiles ...: the menu items in
// both languages, the tiles' choices and their sheet count, the PDF files.
#include "Fenster.h"
#include "app/AbsteckplanDialog.h"
#include "app/KachelDialog.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QSpinBox>
#include <QTemporaryDir>

namespace skiora::app::test {

using SeitenDialoge = FensterTest;

TEST_F(SeitenDialoge, MenuePunkteFolgenDerSprache) {
    auto* abstecken = finde<QAction>("Absteckplan1");
    auto* kacheln = finde<QAction>("Kacheln1");
    EXPECT_EQ(abstecken->text(), "Absteckplan ...");
    EXPECT_EQ(kacheln->text(), "Kacheln in Originalgröße ...");
    // The numbered menu texts after them are not shifted.
    EXPECT_EQ(finde<QAction>("Schlieen1")->text(), "&Beenden");
    fenster->Deutsch1Click(false);
    EXPECT_EQ(abstecken->text(), "Layout sheet ...");
    EXPECT_EQ(kacheln->text(), "Full-size tiles ...");
    EXPECT_EQ(finde<QAction>("Schlieen1")->text(), " &Quit");
}

TEST_F(SeitenDialoge, KachelwahlBestimmtDieBlaetter) {
    KachelDialog dialog(fenster->uhr, fenster.get());
    const size_t eins = dialog.plan().kacheln.size();
    EXPECT_GT(eins, 50u);
    auto* angaben = dialog.findChild<QLabel*>("lKachelAngaben");
    EXPECT_TRUE(angaben->text().startsWith(QString::number(eins) + " Blätter"))
        << angaben->text().toStdString();
    dialog.massstab->setValue(10);
    EXPECT_LT(dialog.plan().kacheln.size(), 10u);
    dialog.papier->setCurrentText("A3");
    EXPECT_EQ(dialog.wahl().papier.name, "A3");
    dialog.teil->setCurrentIndex(1);
    EXPECT_TRUE(dialog.plan().wahl.nurDatum);

    QTemporaryDir ordner;
    const QString datei = ordner.filePath("kacheln.pdf");
    ASSERT_TRUE(dialog.SpeichernNach(datei));
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().startsWith("%PDF"));
    // Nothing can be written into a folder that is not there.
    EXPECT_FALSE(dialog.SpeichernNach(ordner.filePath("fehlt/kacheln.pdf")));
    EXPECT_NE(letzteMeldung().find("fehlt"), std::string::npos) << letzteMeldung();
}

TEST_F(SeitenDialoge, AbsteckplanInFussUndZoll) {
    AbsteckplanDialog dialog(fenster->uhr, fenster.get());
    dialog.waehleEinheit(report::Einheit::FussZoll);
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("plan.pdf");
    ASSERT_TRUE(dialog.SpeichernNach(datei));
    EXPECT_GT(QFile(datei).size(), 10000);
}

} // namespace skiora::app::test

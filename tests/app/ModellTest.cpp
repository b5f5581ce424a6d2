// The table models over the document's result tables.
#include "Fenster.h"
#include "app/Gittermodell.h"
#include "app/Optionsgruppe.h"

#include <QAbstractItemModelTester>
#include <QTableView>

namespace skiora::app::test {

TEST(Gittermodell, BestehtDenModelltesterAuchBeiNeuerGroesse) {
    QtStarten();
    Gitter g(3, 4);
    g.Setze(1, 1, "x");
    Gittermodell m(g);
    QAbstractItemModelTester pruefer(&m, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(m.rowCount(), 4);
    EXPECT_EQ(m.data(m.index(1, 1)).toString(), "x");
    g.groesseSetzen(9, 73);
    m.aktualisieren();
    EXPECT_EQ(m.columnCount(), 9);
    g.Leeren();
    m.aktualisieren();
    EXPECT_EQ(m.data(m.index(1, 1)).toString(), "");
    EXPECT_FALSE(m.flags(m.index(1, 1)) & Qt::ItemIsEditable);
}

TEST(Gittermodell, BearbeitbarNurAusserhalbDerKopfzellenUndNurWennDasDokumentAnnimmt) {
    QtStarten();
    Gitter g(5, 31);
    Gittermodell m(g);
    m.bearbeitbar = true;
    m.zelleSetzen = [&](int s, int z, const std::string& t) {
        if (t == "x") return false;
        g.Setze(s, z, t);
        return true;
    };
    EXPECT_FALSE(m.flags(m.index(0, 1)) & Qt::ItemIsEditable);
    EXPECT_TRUE(m.setData(m.index(1, 1), "8.5"));
    EXPECT_EQ(g.Zelle(1, 1), "8.5");
    EXPECT_FALSE(m.setData(m.index(2, 1), "x"));
    EXPECT_EQ(g.Zelle(1, 2), "");
}

using Tabellen = FensterTest;

TEST_F(Tabellen, AlleTabellenDesFenstersBestehenDenModelltester) {
    std::vector<std::unique_ptr<QAbstractItemModelTester>> pruefer;
    for (auto* m : {fenster->mStd, fenster->mShad, fenster->mDat, fenster->m8, fenster->m8b,
                    fenster->mMittel, fenster->mEin})
        pruefer.push_back(std::make_unique<QAbstractItemModelTester>(
            m, QAbstractItemModelTester::FailureReportingMode::Fatal));
    finde<Optionsgruppe>("rgArten")->knopf(2)->click();
    finde<Optionsgruppe>("rgArten")->knopf(1)->click();
    EXPECT_EQ(fenster->mStd->data(fenster->mStd->index(1, 1)).toString().toStdString(),
              fenster->uhr.tab.StrGridStd.Zelle(1, 1));
}

} // namespace skiora::app::test

// The site in the window: the place search as a user drives it, the readouts
// beside longitude and zone meridian, and the summer-time option following
// the zone and the year.
#include "Fenster.h"
#include "app/Bildflaeche.h"
#include "app/OrtFelder.h"
#include "app/OrtSucheDialog.h"
#include "site/Ortsverzeichnis.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <filesystem>

namespace skiora::app::test {

class Ort : public FensterTest {
  protected:
    QPushButton* ortKnopf() { return finde<QPushButton>("btOrt"); }
};

TEST_F(Ort, TheButtonSearchesAsYouTypeAndFillsTheFields) {
    const int vorher = fenster->bildZeichnungen();
    bool gesehen = false;
    // The dialog is modal: it is driven from inside its own event loop.
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<OrtSucheDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        QTest::keyClicks(d->eingabe(), "adela");
        ASSERT_TRUE(QTest::qWaitFor([&] { return !d->treffer().empty(); }, 20000));
        const QAbstractItemModel* m = d->liste()->model();
        EXPECT_EQ(m->data(m->index(0, 0)).toString(), "Adelaide");
        EXPECT_EQ(m->data(m->index(0, 2)).toString(), "Australien");
        EXPECT_EQ(m->data(m->index(0, 3)).toString(), "34.93° S, 138.60° O");
        EXPECT_EQ(m->data(m->index(0, 4)).toString(), "Australia/Adelaide");
        // The arrow keys move through the list while the line keeps the focus.
        QTest::keyClick(d->eingabe(), Qt::Key_Down);
        EXPECT_EQ(d->liste()->currentIndex().row(), 1);
        QTest::keyClick(d->eingabe(), Qt::Key_Up);
        gesehen = true;
        QTest::keyClick(d->eingabe(), Qt::Key_Return);
    });
    ortKnopf()->click();
    ASSERT_TRUE(gesehen);
    EXPECT_EQ(finde<QLineEdit>("eBreit")->text(), "-34.93");
    EXPECT_EQ(finde<QLineEdit>("eLang")->text(), "-138.60");
    EXPECT_EQ(finde<QLineEdit>("eZone")->text(), "-142.50");
    EXPECT_EQ(finde<QLabel>("lLangLesbar")->text(), "= 138.60° O");
    EXPECT_EQ(finde<QLabel>("lZoneLesbar")->text(), "= UTC+9:30");
    EXPECT_EQ(fenster->uhr.ort.Name, "Adelaide, Australien");
    EXPECT_TRUE(ortKnopf()->toolTip().contains("Adelaide, Australien (Australia/Adelaide)"));
    EXPECT_GT(fenster->bildZeichnungen(), vorher); // recalculated and drawn
    EXPECT_TRUE(finde<QCheckBox>("chBSommerzeit")->isEnabled());
    EXPECT_TRUE(melder.eintraege.empty()) << letzteMeldung();

    // Cancel leaves everything as it was.
    QTimer::singleShot(0, [] {
        auto* d = qobject_cast<OrtSucheDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        QTest::keyClicks(d->eingabe(), "Berlin");
        d->reject();
    });
    ortKnopf()->click();
    EXPECT_EQ(fenster->uhr.ort.Zeitzone, "Australia/Adelaide");
}

TEST_F(Ort, TheReadoutsFollowEveryKeyAndTheLanguage) {
    auto* eLang = finde<QLineEdit>("eLang");
    auto* eZone = finde<QLineEdit>("eZone");
    auto* lang = finde<QLabel>("lLangLesbar");
    EXPECT_EQ(lang->text(), "= 9.59° O"); // the built-in site, -9.59
    eLang->selectAll();
    QTest::keyClicks(eLang, "151.21");
    EXPECT_EQ(lang->text(), "= 151.21° W"); // before the field is left
    eLang->selectAll();
    QTest::keyClicks(eLang, "-");
    EXPECT_EQ(lang->text(), "");
    eZone->selectAll();
    QTest::keyClicks(eZone, "52.5");
    EXPECT_EQ(finde<QLabel>("lZoneLesbar")->text(), "= UTC-3:30");
    QTest::keyClicks(eLang, "13.41");
    fenster->Deutsch1Click(false);
    EXPECT_EQ(lang->text(), "= 13.41° E");
    EXPECT_EQ(ortKnopf()->text(), "Place ...");
    EXPECT_EQ(finde<QCheckBox>("chBSommerzeit")->text(), "Summer time");
}

TEST_F(Ort, SummerTimeFollowsTheZoneAndTheYear) {
    auto* haken = finde<QCheckBox>("chBSommerzeit");
    EXPECT_FALSE(haken->isEnabled()); // no time zone yet
    const auto& db = site::Ortsverzeichnis::Datenbank();
    fenster->ortFelder->OrtAnwenden(*db.Suchen("Berlin", 1).orte.at(0));
    ASSERT_TRUE(haken->isEnabled());
    haken->click();
    EXPECT_TRUE(fenster->uhr.ort.Sommerzeit);
    auto* stunden = finde<QTableView>("StrGridStd");
    ASSERT_EQ(stunden->model()->columnCount(), 17);
    EXPECT_EQ(stunden->model()->data(stunden->model()->index(0, 16)).toString(), "Sommerzeit");
    // Shown after the first hour point of each row.
    EXPECT_EQ(stunden->horizontalHeader()->visualIndex(16), 4);

    // Germany had no summer time in 1960: the option stays chosen but greyed,
    // and the dial and the table have no summer-time numbers.
    tippe(finde<QLineEdit>("ejahr"), "1960");
    EXPECT_FALSE(haken->isEnabled());
    EXPECT_TRUE(haken->isChecked());
    EXPECT_EQ(stunden->model()->columnCount(), 16);
    tippe(finde<QLineEdit>("ejahr"), "1980");
    EXPECT_TRUE(haken->isEnabled());
    EXPECT_EQ(stunden->model()->columnCount(), 17);
    EXPECT_EQ(fenster->uhr.ort.SzBeginnTag, 6);
}

TEST_F(Ort, ConfigurationsKeepThePlaceAndAFileWithoutOneNamesNone) {
    const std::string verz = SKIORA_BINARY_DIR "/tests/app/orte";
    std::filesystem::create_directories(verz);
    const QString ohne = QString::fromStdString(verz + "/ohne.ini");
    const QString berlin = QString::fromStdString(verz + "/berlin.ini");
    ASSERT_TRUE(fenster->KonfigurationSpeichern(ohne));
    fenster->ortFelder->OrtAnwenden(
        *site::Ortsverzeichnis::Datenbank().Suchen("Berlin", 1).orte.at(0));
    finde<QCheckBox>("chBSommerzeit")->click();
    ASSERT_TRUE(fenster->KonfigurationSpeichern(berlin));

    ASSERT_TRUE(fenster->KonfigurationLaden(ohne));
    auto* haken = finde<QCheckBox>("chBSommerzeit");
    EXPECT_FALSE(haken->isEnabled());
    EXPECT_FALSE(haken->isChecked());
    EXPECT_FALSE(ortKnopf()->toolTip().contains("Berlin"));
    EXPECT_EQ(finde<QTableView>("StrGridStd")->model()->columnCount(), 16);

    ASSERT_TRUE(fenster->KonfigurationLaden(berlin));
    EXPECT_TRUE(haken->isEnabled());
    EXPECT_TRUE(haken->isChecked());
    EXPECT_TRUE(ortKnopf()->toolTip().contains("Berlin, Deutschland (Europe/Berlin)"));
    EXPECT_EQ(finde<QLineEdit>("eLang")->text(), " -13.41");
    EXPECT_EQ(finde<QTableView>("StrGridStd")->model()->columnCount(), 17);
    EXPECT_TRUE(melder.eintraege.empty()) << letzteMeldung();
    std::filesystem::remove_all(verz);
}

} // namespace skiora::app::test

// The export panel: the offered axis, the choice of layout, the axis check
// and what confirming does to the dial and the file; and the export file,
// made in memory and written without losing the previous file.
#include "app/ExportPanel.h"
#include "app/Optionsgruppe.h"
#include "core/Sonnenuhr.h"
#include "export/Plot.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <unistd.h>

namespace skiora::app {
namespace {

namespace fs = std::filesystem;
using ::testing::StartsWith;

std::string Lies(const fs::path& p) {
    std::ifstream ein(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), {}};
}

// The page the panel sits on, with its field eHalb; Qt's application first.
QWidget* Seite() {
    static int argc = 1;
    static char name[] = "test_panel", *argv[] = {name, nullptr};
    if (!QApplication::instance()) new QApplication(argc, argv);
    auto* seite = new QWidget;
    (new QLineEdit(seite))->setObjectName("eHalb");
    return seite;
}

class PanelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        uhr.setzeMelder(&melder);
        uhr.opt.DxfAchse = 2.75;
        uhr.btGoClick();
        fs::create_directories(verz);
        pan = qobject_cast<ExportPanel*>(ErstellePanSave(uhr, seite.get()));
        ASSERT_NE(pan, nullptr);
    }
    void TearDown() override { fs::remove_all(verz); }

    // The write failure names the file and why it failed.
    bool Gemeldet(const fs::path& datei, const std::string& grund) const {
        for (const auto& e : melder.eintraege)
            if (e.text ==
                "Die Datei " + datei.string() + " kann nicht geschrieben werden: " + grund)
                return true;
        return false;
    }
    void Oeffne(double halb, bool dxf = false) {
        uhr.p.Halb = halb;
        AchseWaehlen(uhr, pan, dxf);
    }
    // Types `text` into the axis field (nullptr: as typed already) and leaves it.
    void Verlasse(const char* text) {
        if (text) pan->EddxfAchs->setText(text), pan->EddxfAchs->setModified(true);
        QFocusEvent weg(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(pan->EddxfAchs, &weg);
    }
    // Confirms with the save dialog answering `datei` ("" for cancel).
    void Bestaetige(const std::string& datei) {
        pan->dateiWaehlen = [datei](ExportPanel&) { return datei; };
        pan->Button3->click();
    }

    SammelMelder melder;
    Sonnenuhr uhr;
    const fs::path verz = fs::temp_directory_path() / ("skiora_panel_" + std::to_string(getpid()));
    std::unique_ptr<QWidget> seite{Seite()};
    QLineEdit* eHalb = seite->findChild<QLineEdit*>("eHalb");
    ExportPanel* pan = nullptr;
};

TEST_F(PanelTest, FilesAreReplacedOnlyByCompleteOnesAndLeaveNothingElse) {
    std::ofstream(verz / "a.plt") << "old";
    std::ofstream(verz / "a.dxf") << "old";
    // A file named like the old intermediate file is the user's and stays.
    std::ofstream(verz / "skiora.$$$") << "mine";
    EXPECT_TRUE(ExportSchreiben(uhr, (verz / "a.plt").string(), true, false));
    EXPECT_TRUE(ExportSchreiben(uhr, (verz / "a.dxf").string(), false, true));
    EXPECT_THAT(Lies(verz / "a.plt"), StartsWith("IN;"));
    EXPECT_THAT(Lies(verz / "a.dxf"), StartsWith("0\r\nSECTION\r\n"));
    EXPECT_EQ(Lies(verz / "skiora.$$$"), "mine");
    EXPECT_EQ(std::distance(fs::directory_iterator(verz), {}), 3);

    // Write failures name the file and the reason, and keep what was there.
    for (const char* name : {"fehlt/c.plt", "fehlt/c.dxf"}) {
        EXPECT_FALSE(ExportSchreiben(uhr, (verz / name).string(),
                                     fs::path(name).extension() == ".plt", false));
        EXPECT_TRUE(Gemeldet(verz / name, "den Ordner gibt es nicht.")) << name;
    }
    fs::create_directory(verz / "b.dxf");
    std::ofstream(verz / "b.dxf" / "keep") << "x";
    EXPECT_FALSE(ExportSchreiben(uhr, (verz / "b.dxf").string(), false, false));
    EXPECT_TRUE(Gemeldet(verz / "b.dxf", "das ist ein Ordner."));
    EXPECT_EQ(Lies(verz / "b.dxf" / "keep"), "x");
    EXPECT_EQ(std::distance(fs::directory_iterator(verz), {}), 4);
}

TEST(QtFilterTest, WindowsFilterListBecomesQtSyntax) {
    EXPECT_EQ(QtFilter(lang::TextTabelle1(1, 30)).toStdString(),
              "HPGL-Datei (*.plt);;dxf-Datei (*.dxf);;Anderes Format (*.*)");
    EXPECT_EQ(QtFilter("Tables|*.csv;*.txt|odd").toStdString(), "Tables (*.csv *.txt)");
}

TEST_F(PanelTest, OpeningOffersTheAxisAndTitlesTheFormat) {
    // The half axis brought into [2, 20] (the plot tests walk the cases), shown
    // with two decimals; opening alone leaves the dial as it was.
    Oeffne(0.2);
    EXPECT_EQ(pan->EddxfAchs->text().toStdString(), "2.00");
    EXPECT_FALSE(pan->isHidden());
    EXPECT_DOUBLE_EQ(uhr.p.Halb, 0.2);
    EXPECT_EQ(pan->Label18->text(), "Konstruktion speichern (hpgl-Format)");

    uhr.sprache.Waehle(false);
    Oeffne(2.75, true);
    EXPECT_EQ(pan->Label18->text(), "Save Construction (dxf-format)");
    EXPECT_EQ(pan->rgDxf->eintraege(), QStringList({" Output scaled to DIN-A3 format",
                                                    " Output in units of big half axis"}));
}

TEST_F(PanelTest, ChoiceOfLayoutEnablesTheAxisWhichIsCheckedOnLeaving) {
    Optionsgruppe* rg = pan->rgDxf;
    QLineEdit* feld = pan->EddxfAchs;
    Oeffne(2.75);
    EXPECT_EQ(rg->itemIndex(), 0);
    EXPECT_FALSE(feld->isEnabled());
    rg->knopf(1)->click();
    EXPECT_TRUE(feld->isEnabled());
    EXPECT_EQ(feld->palette().color(QPalette::Base), pan->palette().color(QPalette::ToolTipBase));

    // Cancelled; the next export starts with the same choice.
    pan->Button4->click();
    EXPECT_TRUE(pan->isHidden());
    Oeffne(2.75, true);
    EXPECT_EQ(rg->itemIndex(), 1);

    int gespiegelt = 0;
    PanSaveNachRechnung(pan, [&] { ++gespiegelt; });
    Verlasse("1");
    EXPECT_EQ(melder.eintraege.size(), 1u); // refused with a message
    EXPECT_EQ(feld->text(), "2.75");
    EXPECT_DOUBLE_EQ(uhr.p.Halb, 2.75);

    // The lower end of the prompt's range is accepted; it becomes Halb at once.
    Verlasse("2");
    EXPECT_EQ(melder.eintraege.size(), 1u);
    EXPECT_DOUBLE_EQ(uhr.p.Halb, 2);
    EXPECT_EQ(feld->text(), "2"); // an accepted text stays as typed
    EXPECT_EQ(eHalb->text(), "2.00");
    EXPECT_GE(gespiegelt, 1);

    // Keys as in every numeric field: a comma becomes a point, letters are dropped.
    feld->clear();
    QTest::keyClicks(feld, "1x2,5");
    Verlasse(nullptr);
    EXPECT_DOUBLE_EQ(uhr.opt.DxfAchse, 12.5);
    rg->knopf(0)->click();
    EXPECT_FALSE(feld->isEnabled());
}

TEST_F(PanelTest, ConfirmRecalculatesWithTheAxisAndWritesTheFile) {
    // Scaled, with a typed axis, as HPGL: the file of a dial calculated with it.
    Oeffne(0.5);
    pan->rgDxf->knopf(1)->click();
    pan->EddxfAchs->setText("7.5"); // confirmed without leaving the field
    pan->EddxfAchs->setModified(true);
    Bestaetige((verz / "dial.plt").string());
    EXPECT_TRUE(pan->isHidden());
    EXPECT_DOUBLE_EQ(uhr.p.Halb, 7.5);
    EXPECT_EQ(eHalb->text(), "7.50");
    Sonnenuhr ref;
    ref.eBreitExit(Feld::eHalb, "7.5");
    std::ostringstream erwartet;
    export_::PlotScaled(ref, erwartet, 0, 0, 7.5);
    EXPECT_EQ(Lies(verz / "dial.plt"), erwartet.str());

    // As shown, as DXF: the untouched offer 2.50 becomes the half axis.
    Oeffne(25, true);
    pan->rgDxf->knopf(0)->click();
    Bestaetige((verz / "dial.dxf").string());
    EXPECT_DOUBLE_EQ(uhr.p.Halb, 2.5);
    // ... and the dial was calculated with it, not left from the 7.5 above.
    ref.eBreitExit(Feld::eHalb, "2.5");
    EXPECT_DOUBLE_EQ(uhr.Klein, ref.Klein);
    EXPECT_DOUBLE_EQ(uhr.erg.StundenPunkte[1].x, ref.erg.StundenPunkte[1].x);
    EXPECT_THAT(Lies(verz / "dial.dxf"), StartsWith("0\r\nSECTION"));

    // A cancelled dialog writes nothing.
    Oeffne(2.75);
    Bestaetige("");
    EXPECT_EQ(std::distance(fs::directory_iterator(verz), {}), 2);
}

// Cancelling the save dialog after confirming an axis, or the panel after an
// axis was taken, leaves the dial as the panel found it; inputs changed
// meanwhile stay.
TEST_F(PanelTest, CancelLeavesTheDialAsThePanelFoundIt) {
    const Tabellen t = uhr.tab;
    for (bool dialog : {true, false}) {
        AchseWaehlen(uhr, pan, false);
        Verlasse("3");
        dialog ? Bestaetige("") : pan->Button4->click();
        EXPECT_DOUBLE_EQ(uhr.p.Halb, 2.75);
        EXPECT_EQ(uhr.tab.StrGridStd, t.StrGridStd);
        EXPECT_EQ(eHalb->text(), "2.75");
    }
    AchseWaehlen(uhr, pan, false);
    Verlasse("5");
    uhr.eBreitExit(Feld::eBreit, "50");
    pan->Button4->click();
    Sonnenuhr ref;
    ref.eBreitExit(Feld::eBreit, "50");
    EXPECT_EQ(uhr.tab.StrGridStd, ref.tab.StrGridStd); // recalculated with Halb 2.75
    AchseWaehlen(uhr, pan, false);
    Verlasse("6");
    uhr.eBreitExit(Feld::eHalb, "7"); // the user's own half axis stays
    pan->Button4->click();
    EXPECT_DOUBLE_EQ(uhr.p.Halb, 7);
}

} // namespace
} // namespace skiora::app

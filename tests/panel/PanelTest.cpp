// The export panel: the offered axis, the choice of layout, the axis check
// and what confirming does to the dial and the file.
#include "app/ExportPanel.h"
#include "app/Optionsgruppe.h"
#include "core/Sonnenuhr.h"
#include "export/Plot.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace skiora::app {
namespace {

namespace fs = std::filesystem;

void QtStarten() {
    static int argc = 1;
    static char name[] = "test_panel";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) new QApplication(argc, argv);
}

std::string Lies(const fs::path& p) {
    std::ifstream ein(p, std::ios::binary);
    std::ostringstream s;
    s << ein.rdbuf();
    return s.str();
}

// The application must exist before the fixture's widgets.
struct MitQt {
    MitQt() { QtStarten(); }
};

class PanelTest : public ::testing::Test, MitQt {
  protected:
    void SetUp() override {
        uhr.setzeMelder(&melder);
        uhr.btGoClick();
        seite.resize(800, 600);
        eHalb = new QLineEdit(&seite);
        eHalb->setObjectName("eHalb");
        pan = qobject_cast<ExportPanel*>(ErstellePanSave(uhr, &seite));
        ASSERT_NE(pan, nullptr);
        verz = fs::temp_directory_path() / ("skiora_panel_" + std::to_string(getpid()));
        fs::create_directories(verz);
    }
    void TearDown() override { fs::remove_all(verz); }

    template <class T> T* finde(const char* name) {
        T* w = pan->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void Oeffne(double halb, bool dxf = false) {
        uhr.p.Halb = halb;
        AchseWaehlen(uhr, pan, dxf);
    }
    void Verlasse(QWidget* w) {
        QFocusEvent weg(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(w, &weg);
    }
    void Tippe(const QString& text) {
        auto* feld = finde<QLineEdit>("EddxfAchs");
        feld->setText(text);
        feld->setModified(true);
    }
    // Confirms with the save dialog answering `datei`.
    void Bestaetige(const fs::path& datei) {
        pan->dateiWaehlen = [datei](ExportPanel&) { return datei.string(); };
        finde<QPushButton>("Button3")->click();
    }

    SammelMelder melder;
    Sonnenuhr uhr;
    QWidget seite;
    QLineEdit* eHalb = nullptr;
    ExportPanel* pan = nullptr;
    fs::path verz;
};

TEST_F(PanelTest, OffersTheHalfAxisBroughtIntoTwoToTwenty) {
    const struct {
        double halb;
        const char* text;
    } faelle[] = {{0.2, "2.00"}, {2.75, "2.75"}, {25, "2.50"}, {20, "20.00"}, {0.5, "5.00"}};
    for (const auto& f : faelle) {
        Oeffne(f.halb);
        EXPECT_EQ(finde<QLineEdit>("EddxfAchs")->text().toStdString(), f.text) << f.halb;
        EXPECT_FALSE(pan->isHidden());
    }
    // Opening alone leaves the dial as it was.
    EXPECT_DOUBLE_EQ(uhr.p.Halb, 0.5);
}

TEST_F(PanelTest, TitleAndTextsFollowTheButtonAndTheLanguage) {
    Oeffne(2.75, false);
    EXPECT_EQ(finde<QLabel>("Label18")->text(), "Konstruktion speichern (hpgl-Format)");
    EXPECT_TRUE(pan->PlotIsHpgl);
    Oeffne(2.75, true);
    EXPECT_EQ(finde<QLabel>("Label18")->text(), "Konstruktion speichern (dxf-Format)");
    EXPECT_FALSE(pan->PlotIsHpgl);

    uhr.sprache.Waehle(false);
    Oeffne(2.75, true);
    EXPECT_EQ(finde<QLabel>("Label18")->text(), "Save Construction (dxf-format)");
    EXPECT_EQ(finde<QLabel>("Label16")->text(), "Length of big half axis [2,... ,20]");
    EXPECT_EQ(finde<QPushButton>("Button4")->text(), " &Cancel");
    EXPECT_EQ(finde<QPushButton>("Button3")->text(), "OK");
    auto* rg = finde<Optionsgruppe>("rgDxf");
    EXPECT_EQ(rg->eintraege(), QStringList({" Output scaled to DIN-A3 format",
                                            " Output in units of big half axis"}));
    EXPECT_TRUE(rg->title().isEmpty());
}

TEST_F(PanelTest, ChoiceOfLayoutEnablesTheAxisAndIsKept) {
    auto* rg = finde<Optionsgruppe>("rgDxf");
    auto* feld = finde<QLineEdit>("EddxfAchs");
    Oeffne(2.75);
    EXPECT_EQ(rg->itemIndex(), 0);
    EXPECT_FALSE(feld->isEnabled());
    EXPECT_EQ(feld->palette().color(QPalette::Base), pan->palette().color(QPalette::Button));

    rg->knopf(1)->click();
    EXPECT_FALSE(pan->PlotAsShown);
    EXPECT_TRUE(feld->isEnabled());
    EXPECT_EQ(feld->palette().color(QPalette::Base), pan->palette().color(QPalette::ToolTipBase));

    // The next export starts with the same choice.
    finde<QPushButton>("Button4")->click();
    EXPECT_TRUE(pan->isHidden());
    Oeffne(2.75, true);
    EXPECT_EQ(rg->itemIndex(), 1);
    EXPECT_TRUE(feld->isEnabled());

    rg->knopf(0)->click();
    EXPECT_TRUE(pan->PlotAsShown);
    EXPECT_FALSE(feld->isEnabled());
}

TEST_F(PanelTest, AxisIsCheckedOnLeavingTheField) {
    Oeffne(2.75);
    finde<Optionsgruppe>("rgDxf")->knopf(1)->click();
    auto* feld = finde<QLineEdit>("EddxfAchs");
    int gespiegelt = 0;
    PanSaveNachRechnung(pan, [&] { ++gespiegelt; });

    Tippe("1");
    Verlasse(feld);
    ASSERT_FALSE(melder.eintraege.empty());
    EXPECT_EQ(melder.eintraege.back().text, lang::Meldung(1, 6));
    EXPECT_EQ(feld->text(), "2.75");
    EXPECT_DOUBLE_EQ(uhr.opt.DxfAchse, 2.75);
    EXPECT_DOUBLE_EQ(uhr.p.Halb, 2.75);

    // The lower end of the prompt's range is accepted; it becomes Halb at once.
    melder.eintraege.clear();
    Tippe("2");
    Verlasse(feld);
    EXPECT_TRUE(melder.eintraege.empty());
    EXPECT_DOUBLE_EQ(uhr.opt.DxfAchse, 2);
    EXPECT_DOUBLE_EQ(uhr.p.Halb, 2);
    EXPECT_EQ(feld->text(), "2"); // an accepted text stays as typed
    EXPECT_EQ(eHalb->text(), "2.00");
    EXPECT_GE(gespiegelt, 1);

    // Keys as in every numeric field: a comma becomes a point, letters are dropped.
    feld->clear();
    QTest::keyClicks(feld, "1x2,5");
    Verlasse(feld);
    EXPECT_DOUBLE_EQ(uhr.opt.DxfAchse, 12.5);
}

TEST_F(PanelTest, ConfirmRecalculatesWithTheAxisAndWritesTheScaledPlot) {
    Oeffne(0.5);
    finde<Optionsgruppe>("rgDxf")->knopf(1)->click();
    Tippe("7.5");
    Bestaetige(verz / "dial.plt");
    EXPECT_TRUE(pan->isHidden());
    EXPECT_DOUBLE_EQ(uhr.p.Halb, 7.5);
    EXPECT_EQ(eHalb->text(), "7.50");

    Sonnenuhr ref;
    ref.p.Halb = 7.5;
    ref.Abgeleitet();
    ref.btGoClick();
    EXPECT_DOUBLE_EQ(uhr.Klein, ref.Klein);
    EXPECT_DOUBLE_EQ(uhr.erg.StundenPunkte[3].x, ref.erg.StundenPunkte[3].x);
    EXPECT_DOUBLE_EQ(uhr.erg.DatumsPunkte[5].y, ref.erg.DatumsPunkte[5].y);

    std::ostringstream erwartet;
    export_::PlotScaled(ref, erwartet, 0, 0, 7.5);
    const std::string plot = Lies(verz / "dial.plt");
    EXPECT_EQ(plot.rfind("IN;VS 1;PA;SP 4;PU 0 0;EA 0 0 ", 0), 0u) << plot.substr(0, 60);
    EXPECT_EQ(plot, erwartet.str());
    EXPECT_FALSE(fs::exists(verz / "skiora.$$$"));
}

TEST_F(PanelTest, ConfirmWithTheOfferedAxisWritesTheScreenLayoutAsDxf) {
    Oeffne(25, true);
    Bestaetige(verz / "dial.dxf");
    // The untouched offer 2.50 becomes the half axis.
    EXPECT_DOUBLE_EQ(uhr.p.Halb, 2.5);
    EXPECT_DOUBLE_EQ(uhr.opt.DxfAchse, 2.5);
    EXPECT_TRUE(fs::is_regular_file(verz / "dial.dxf"));
    EXPECT_FALSE(fs::exists(verz / "skiora.$$$"));
    const std::string pruefe =
        "/usr/bin/python3 -c 'import ezdxf,sys; ezdxf.readfile(sys.argv[1])' " +
        (verz / "dial.dxf").string();
    EXPECT_EQ(std::system(pruefe.c_str()), 0);
}

TEST_F(PanelTest, CancelledDialogWritesNothing) {
    Oeffne(2.75);
    pan->dateiWaehlen = [](ExportPanel&) { return std::string(); };
    finde<QPushButton>("Button3")->click();
    EXPECT_TRUE(pan->isHidden());
    EXPECT_TRUE(fs::is_empty(verz));
}

} // namespace
} // namespace skiora::app

// The export panel: the offered axis, the choice of layout, the axis check
// and what confirming does to the dial and the file; and the export file,
// written through the temporary "skiora.$$$" without losing the previous file.
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

void Schreibe(const fs::path& p, const std::string& inhalt) {
    std::ofstream(p, std::ios::binary) << inhalt;
}

class ExportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        uhr.setzeMelder(&melder);
        uhr.opt.DxfAchse = 2.75;
        uhr.btGoClick();
        verz = fs::temp_directory_path() / ("skiora_panel_" + std::to_string(getpid()));
        fs::create_directories(verz);
    }
    void TearDown() override { fs::remove_all(verz); }
    bool Meldung18(const fs::path& datei) const {
        for (const auto& e : melder.eintraege)
            if (e.text == datei.string() + lang::Meldung(1, 18)) return true;
        return false;
    }

    SammelMelder melder;
    Sonnenuhr uhr;
    fs::path verz;
};

TEST_F(ExportTest, BothFormatsReplaceThePreviousFileAndLeaveNoTemporary) {
    Schreibe(verz / "a.plt", "old");
    Schreibe(verz / "a.dxf", "old");
    EXPECT_TRUE(ExportSchreiben(uhr, (verz / "a.plt").string(), true, false));
    EXPECT_TRUE(ExportSchreiben(uhr, (verz / "a.dxf").string(), false, true));
    EXPECT_THAT(Lies(verz / "a.plt"), StartsWith("IN;"));
    EXPECT_THAT(Lies(verz / "a.dxf"), StartsWith("0\r\nSECTION\r\n"));
    EXPECT_FALSE(fs::exists(verz / "skiora.$$$"));
    EXPECT_FALSE(Meldung18(verz / "a.plt") || Meldung18(verz / "a.dxf"));

    // A file the user named like the temporary is written, not removed.
    const fs::path ziel = verz / "skiora.$$$";
    EXPECT_TRUE(ExportSchreiben(uhr, ziel.string(), true, false));
    EXPECT_THAT(Lies(ziel), StartsWith("IN;"));
    EXPECT_TRUE(ExportSchreiben(uhr, ziel.string(), false, false));
    EXPECT_THAT(Lies(ziel), StartsWith("0\r\nSECTION"));
}

TEST_F(ExportTest, WriteFailuresReportAndKeepThePreviousFile) {
    for (const char* name : {"c.plt", "c.dxf"}) {
        SCOPED_TRACE(name);
        const fs::path ziel = verz / name;
        Schreibe(ziel, "previous");
        // The temporary cannot be created: something else has its name.
        fs::create_directory(verz / "skiora.$$$");
        EXPECT_FALSE(ExportSchreiben(uhr, ziel.string(), ziel.extension() == ".plt", false));
        EXPECT_TRUE(Meldung18(ziel));
        EXPECT_EQ(Lies(ziel), "previous");
        // What is not ours is not removed.
        EXPECT_TRUE(fs::is_directory(verz / "skiora.$$$"));
        fs::remove(verz / "skiora.$$$");
    }
    const fs::path fehlt = verz / "missing" / "d.plt";
    EXPECT_FALSE(ExportSchreiben(uhr, fehlt.string(), true, true));
    EXPECT_TRUE(Meldung18(fehlt));

    // A directory where the drawing should go: the conversion cannot put it there.
    fs::create_directory(verz / "b.dxf");
    Schreibe(verz / "b.dxf" / "keep", "x");
    EXPECT_FALSE(ExportSchreiben(uhr, (verz / "b.dxf").string(), false, false));
    EXPECT_TRUE(Meldung18(verz / "b.dxf"));
    EXPECT_FALSE(fs::exists(verz / "skiora.$$$"));
    EXPECT_EQ(Lies(verz / "b.dxf" / "keep"), "x");
}

TEST(QtFilterTest, WindowsFilterListBecomesQtSyntax) {
    EXPECT_EQ(QtFilter(lang::TextTabelle1(1, 30)).toStdString(),
              "HPGL-Datei (*.plt);;dxf-Datei (*.dxf);;Anderes Format (*.*)");
    EXPECT_EQ(QtFilter("Tables|*.csv;*.txt|odd").toStdString(), "Tables (*.csv *.txt)");
}

class PanelTest : public ExportTest {
  protected:
    void SetUp() override {
        ExportTest::SetUp();
        static int argc = 1;
        static char name[] = "test_panel";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance()) new QApplication(argc, argv);
        seite = std::make_unique<QWidget>();
        seite->resize(800, 600);
        eHalb = new QLineEdit(seite.get());
        eHalb->setObjectName("eHalb");
        pan = qobject_cast<ExportPanel*>(ErstellePanSave(uhr, seite.get()));
        ASSERT_NE(pan, nullptr);
    }

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
    // Confirms with the save dialog answering `datei` ("" for cancel).
    void Bestaetige(const std::string& datei) {
        pan->dateiWaehlen = [datei](ExportPanel&) { return datei; };
        finde<QPushButton>("Button3")->click();
    }

    std::unique_ptr<QWidget> seite;
    QLineEdit* eHalb = nullptr;
    ExportPanel* pan = nullptr;
};

TEST_F(PanelTest, OpeningOffersTheAxisAndTitlesTheFormat) {
    // The half axis brought into [2, 20], shown with two decimals.
    const std::pair<double, const char*> faelle[] = {
        {0.2, "2.00"}, {25, "2.50"}, {20, "20.00"}, {0.5, "5.00"}};
    for (const auto& [halb, text] : faelle) {
        Oeffne(halb);
        EXPECT_EQ(finde<QLineEdit>("EddxfAchs")->text().toStdString(), text) << halb;
        EXPECT_FALSE(pan->isHidden());
    }
    // Opening alone leaves the dial as it was.
    EXPECT_DOUBLE_EQ(uhr.p.Halb, 0.5);

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
    EXPECT_EQ(
        finde<Optionsgruppe>("rgDxf")->eintraege(),
        QStringList({" Output scaled to DIN-A3 format", " Output in units of big half axis"}));
}

TEST_F(PanelTest, ChoiceOfLayoutEnablesTheAxisWhichIsCheckedOnLeaving) {
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

    rg->knopf(0)->click();
    EXPECT_TRUE(pan->PlotAsShown);
    EXPECT_FALSE(feld->isEnabled());
}

TEST_F(PanelTest, ConfirmRecalculatesWithTheAxisAndWritesTheFile) {
    // Scaled, with a typed axis, as HPGL: the file of a dial calculated with it.
    Oeffne(0.5);
    finde<Optionsgruppe>("rgDxf")->knopf(1)->click();
    Tippe("7.5");
    Bestaetige((verz / "dial.plt").string());
    EXPECT_TRUE(pan->isHidden());
    EXPECT_DOUBLE_EQ(uhr.p.Halb, 7.5);
    EXPECT_EQ(eHalb->text(), "7.50");
    Sonnenuhr ref;
    ref.p.Halb = 7.5;
    ref.Abgeleitet();
    ref.btGoClick();
    EXPECT_DOUBLE_EQ(uhr.Klein, ref.Klein);
    std::ostringstream erwartet;
    export_::PlotScaled(ref, erwartet, 0, 0, 7.5);
    EXPECT_EQ(Lies(verz / "dial.plt"), erwartet.str());

    // As shown, as DXF: the untouched offer 2.50 becomes the half axis.
    Oeffne(25, true);
    finde<Optionsgruppe>("rgDxf")->knopf(0)->click();
    Bestaetige((verz / "dial.dxf").string());
    EXPECT_DOUBLE_EQ(uhr.p.Halb, 2.5);
    EXPECT_DOUBLE_EQ(uhr.opt.DxfAchse, 2.5);
    // ... and the dial was calculated with it, not left from the 7.5 above.
    Sonnenuhr ref25;
    ref25.p.Halb = 2.5;
    ref25.Abgeleitet();
    ref25.btGoClick();
    EXPECT_DOUBLE_EQ(uhr.Klein, ref25.Klein);
    EXPECT_DOUBLE_EQ(uhr.erg.StundenPunkte[1].x, ref25.erg.StundenPunkte[1].x);
    EXPECT_EQ(std::system(("/usr/bin/python3 -c 'import ezdxf,sys; ezdxf.readfile(sys.argv[1])' " +
                           (verz / "dial.dxf").string())
                              .c_str()),
              0);

    // A cancelled dialog writes nothing; no "skiora.$$$" is left.
    Oeffne(2.75);
    Bestaetige("");
    EXPECT_TRUE(pan->isHidden());
    EXPECT_EQ(std::distance(fs::directory_iterator(verz), {}), 2);
}

} // namespace
} // namespace skiora::app

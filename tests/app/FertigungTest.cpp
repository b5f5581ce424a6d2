// "Save 1:1..." in the window: the same file as the command line writes, the
// unit choice keeps the sizes' length, and the texts follow the language.
#include "Fenster.h"
#include "app/FertigungDialog.h"
#include "app/Optionsgruppe.h"
#include "cli/Befehlszeile.h"
#include "cli/Lauf.h"

#include <QDoubleSpinBox>
#include <QFile>
#include <QTemporaryDir>
#include <QToolButton>

namespace skiora::app::test {

using Fertigung = FensterTest;

TEST_F(Fertigung, DerKnopfSchreibtWasDieBefehlszeileSchreibt) {
    QTemporaryDir ordner;
    auto* knopf = finde<QToolButton>("tbMass");
    auto* dialog = knopf->findChild<FertigungDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(knopf->text(), "1:1 speichern...");

    // DXF in inches: 20 mm become 0.787 in; then one inch across the points.
    dialog->rgFormat->knopf(1)->click();
    dialog->rgEinheit->knopf(1)->click();
    EXPECT_NEAR(dialog->sbSchrift->value(), 0.787, 1e-9);
    dialog->sbPunkt->setValue(1);
    const QString datei = ordner.filePath("fenster.dxf");
    dialog->optionenBestaetigen = [](FertigungDialog&) { return true; };
    dialog->dateiWaehlen = [&](FertigungDialog&) { return datei.toStdString(); };
    knopf->click();

    const QString cliDatei = ordner.filePath("cli.dxf");
    auto pe = cli::Parse({"--lang", "de", "--dxf-mm", cliDatei.toStdString(), "--units", "imperial",
                          "--point-diameter", "1", "--font-size", "0.787"});
    ASSERT_TRUE(pe.bz);
    ASSERT_EQ(cli::Ausfuehren(*pe.bz, nullptr, ordner.filePath("skiora").toStdString()), 0);
    QFile a(datei), b(cliDatei);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    const QByteArray inhalt = a.readAll();
    EXPECT_TRUE(inhalt.contains("$INSUNITS\r\n 70\r\n1\r\n"));
    EXPECT_EQ(inhalt, b.readAll());

    // Cancelled at the file: nothing written, no message.
    dialog->dateiWaehlen = [](FertigungDialog&) { return std::string(); };
    EXPECT_FALSE(dialog->Ausfuehren());
    EXPECT_TRUE(melder.eintraege.empty());

    // A file that cannot be written: false, and the message names it.
    const QString fehlt = ordner.filePath("fehlt/uhr.dxf");
    dialog->dateiWaehlen = [&](FertigungDialog&) { return fehlt.toStdString(); };
    EXPECT_FALSE(dialog->Ausfuehren());
    EXPECT_NE(letzteMeldung().find(fehlt.toStdString() + " kann nicht geschrieben werden"),
              std::string::npos)
        << letzteMeldung();

    fenster->Deutsch1Click(false);
    EXPECT_EQ(knopf->text(), "Save 1:1...");
    EXPECT_EQ(dialog->rgEinheit->itemIndex(), 1);
    EXPECT_EQ(dialog->rgEinheit->eintraege().value(1), "Inches");
}

} // namespace skiora::app::test

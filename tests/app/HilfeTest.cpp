// Every input control leads to a help topic, and that topic is in both files.
#include "Fenster.h"

#include "app/Hilfe.h"
#include "app/Optionsgruppe.h"
#include "help/HilfeFenster.h"
#include "help/HilfeThemen.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace skiora::app::test {

namespace {
QString Lies(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}
} // namespace

TEST_F(FensterTest, JedesEingabefeldHatEinHilfethemaInBeidenSprachen) {
    const QString de = Lies(SKIORA_BINARY_DIR "/skiora_d.html");
    const QString en = Lies(SKIORA_BINARY_DIR "/skiora_e.html");
    ASSERT_FALSE(de.isEmpty());
    ASSERT_FALSE(en.isEmpty());
    int gefunden = 0;
    for (const char* name :
         {"eBreit",       "eLang",      "eZone",      "eHalb",     "eIncl",        "eGnomInc",
          "eHoehe",       "ejahr",      "eRiseSet",   "MaskEdit1", "eStart",       "eEnd",
          "eLph",         "ChBRiseSet", "chBzonzeit", "chBSchatt", "rgArten",      "rgAnzahl",
          "rgMittelwert", "efStart",    "efEnd",      "chbGenau",  "StrGridEin",   "rgDefault",
          "rgKoordAusg",  "EddxfAchs",  "rgDxf",      "btOrt",     "chBSommerzeit"}) {
        QWidget* w = fenster->findChild<QWidget*>(name);
        ASSERT_NE(w, nullptr) << name;
        const int thema = help::HilfeThemaVon(name);
        ASSERT_NE(thema, 0) << name;
        const QString anker = QString("name=\"topic-%1\"").arg(thema);
        EXPECT_TRUE(de.contains(anker)) << name;
        EXPECT_TRUE(en.contains(anker)) << name;
        ++gefunden;
    }
    EXPECT_EQ(gefunden, 29);
}

using HilfeImFenster = FensterTest;

namespace {
// The one help window open now, or null.
help::HilfeFenster* EinzigesFenster(Hauptfenster& f) {
    const auto offen = f.hilfe().System().OffeneFenster();
    return offen.size() == 1 ? offen.front() : nullptr;
}
// The help window took the focus; the user clicks back into the program.
void Zurueck(Hauptfenster& f) {
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f, 2000));
}
} // namespace

TEST_F(HilfeImFenster, F1ZeigtDasThemaDesFeldesInDerSpracheUndDerWechselSchliesst) {
    auto* lang = finde<QWidget>("eLang");
    lang->setFocus();
    QTest::keyClick(lang, Qt::Key_F1);
    auto* hilfe = EinzigesFenster(*fenster);
    ASSERT_NE(hilfe, nullptr);
    EXPECT_EQ(QFileInfo(hilfe->Datei()).fileName(), "skiora_d.html");
    EXPECT_EQ(hilfe->Thema(), help::HilfeThemaVon("eLang"));
    EXPECT_EQ(hilfe->source().fragment(), "topic-21");
    EXPECT_TRUE(hilfe->toPlainText().contains("westlich"));

    // A radio button's topic is its group's.
    Zurueck(*fenster);
    auto* knopf = fenster->findChild<Optionsgruppe*>("rgAnzahl")->knopf(1);
    knopf->setFocus();
    ASSERT_TRUE(knopf->hasFocus());
    QTest::keyClick(knopf, Qt::Key_F1);
    EXPECT_EQ(hilfe->Thema(), help::HilfeThemaVon("rgAnzahl"));

    // Ctrl+E: the German window goes; F1 now opens the English file.
    Zurueck(*fenster);
    QTest::keyClick(fenster.get(), Qt::Key_E, Qt::ControlModifier);
    EXPECT_TRUE(fenster->hilfe().System().OffeneFenster().empty());
    lang->setFocus();
    QTest::keyClick(lang, Qt::Key_F1);
    hilfe = EinzigesFenster(*fenster);
    ASSERT_NE(hilfe, nullptr);
    EXPECT_EQ(QFileInfo(hilfe->Datei()).fileName(), "skiora_e.html");
    EXPECT_EQ(hilfe->Thema(), 21);
    EXPECT_TRUE(melder.eintraege.empty()) << letzteMeldung();
}

TEST_F(HilfeImFenster, MenueUndF1OhneThemaZeigenDieUebersicht) {
    fenster->findChild<QAction*>("Hilfe2")->trigger();
    auto* hilfe = EinzigesFenster(*fenster);
    ASSERT_NE(hilfe, nullptr);
    EXPECT_EQ(hilfe->Thema(), help::ThemaUebersicht);
    hilfe->close();
    QCoreApplication::processEvents();
    Zurueck(*fenster);

    // A control without a topic of its own: the menu's F1 takes over.
    auto* knopf = finde<QWidget>("BitBtn1");
    knopf->setFocus();
    ASSERT_TRUE(knopf->hasFocus());
    QTest::keyClick(knopf, Qt::Key_F1);
    hilfe = EinzigesFenster(*fenster);
    ASSERT_NE(hilfe, nullptr);
    EXPECT_EQ(hilfe->Thema(), help::ThemaUebersicht);

    // Closing the program closes the help.
    QPointer<help::HilfeFenster> offen = hilfe;
    fenster.reset();
    EXPECT_TRUE(offen.isNull());
}

TEST(HilfeBeimStart, FehlendeDateiWirdGemeldetUndDasProgrammLaeuft) {
    QtStarten();
    QTemporaryDir ordner;
    Startwahl wahl;
    wahl.startKonfigLesen = false;
    wahl.progVerz = QDir(ordner.path()).absolutePath().toStdString() + "/";
    wahl.deutsch = false;
    SammelMelder melder;
    wahl.melder = &melder;
    Hauptfenster f(wahl);
    ASSERT_EQ(melder.eintraege.size(), 1u);
    EXPECT_EQ(melder.eintraege[0].text, "Help file " + wahl.progVerz + "skiora_e.html not found!");
    EXPECT_EQ(melder.eintraege[0].symbol, Symbol::Frage);
    f.Aktivieren();
    EXPECT_TRUE(melder.eintraege.size() == 1u) << melder.eintraege.back().text;
    // Asked for anyway, the viewer says in its own window that the file is gone.
    f.hilfe().Zeigen(20);
    auto* hilfe = EinzigesFenster(f);
    ASSERT_NE(hilfe, nullptr);
    EXPECT_TRUE(hilfe->toPlainText().contains("not found"));
}

} // namespace skiora::app::test

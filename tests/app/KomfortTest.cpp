// The everyday conveniences: the title and its "*", the question before
// unsaved changes are lost, Save and Save As, New, dropping a file, and the
// recent configurations.
#include "Fenster.h"
#include "app/Bildflaeche.h"
#include "app/Einstellungen.h"
#include "config/Konfiguration.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QWindow>
#include <sstream>

namespace skiora::app::test {

namespace {

using Antwort = SpeichernFrage::Antwort;

// The lines a save would write: the dial, whole.
std::vector<std::string> Stand(const Hauptfenster& f) {
    return config::KonfigurationSchreiben(f.uhr);
}

// The lines of a saved file (CR LF).
std::vector<std::string> Zeilen(const QString& pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) return {};
    std::vector<std::string> z;
    for (const QByteArray& zeile : f.readAll().split('\n'))
        if (!zeile.isEmpty())
            z.push_back(zeile.chopped(zeile.endsWith('\r') ? 1 : 0).toStdString());
    return z;
}

void Lasse(QWidget* ziel, const QString& datei) {
    QMimeData daten;
    daten.setUrls({QUrl::fromLocalFile(datei)});
    const QPoint p(200, 200);
    QDragEnterEvent hinein(p, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(ziel, &hinein);
    if (!hinein.isAccepted()) return;
    QDropEvent fallen(QPointF(p), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(ziel, &fallen);
    QCoreApplication::processEvents(); // the load follows the drop
}

} // namespace

class Komfort : public FensterTest {
  protected:
    void SetUp() override {
        FensterTest::SetUp();
        QFile::remove(fenster->einstellungen().pfad());
        fenster->fragen = [this](const QString& name) {
            gefragt << name;
            return antwort;
        };
        fenster->speicherDateiWaehlen = [this](const QString&, const QString&) {
            ++dialoge;
            return gewaehlt;
        };
    }
    QString datei(const char* name) const { return ordner.filePath(name); }
    // The title as the window system gets it, with the "*" put in.
    QString titel() const { return fenster->windowHandle()->title(); }
    void aendere(const char* breite = "50") { tippe(finde<QLineEdit>("eBreit"), breite); }

    QTemporaryDir ordner;
    QStringList gefragt;
    Antwort antwort = Antwort::Abbrechen;
    int dialoge = 0;
    QString gewaehlt;
};

TEST_F(Komfort, TitelZeigtDateiUndSternGenauSolangeDerDialAbweicht) {
    EXPECT_EQ(titel(), "unbenannt — Skiora,  vers. 1.6c");
    aendere();
    EXPECT_EQ(titel(), "unbenannt* — Skiora,  vers. 1.6c");
    // Typing the value it had before is no change.
    aendere("47.25");
    EXPECT_EQ(titel(), "unbenannt — Skiora,  vers. 1.6c");

    aendere();
    ASSERT_TRUE(fenster->KonfigurationSpeichern(datei("garten.ini")));
    EXPECT_EQ(titel(), "garten.ini — Skiora,  vers. 1.6c");
    // The language is the program's, not the dial's.
    fenster->Deutsch1Click(false);
    EXPECT_EQ(titel(), "garten.ini — Skiora,  vers. 1.6c");
    fenster->Deutsch1Click(true);

    aendere("40");
    EXPECT_EQ(titel(), "garten.ini* — Skiora,  vers. 1.6c");
    ASSERT_TRUE(fenster->KonfigurationLaden(datei("garten.ini")));
    EXPECT_EQ(titel(), "garten.ini — Skiora,  vers. 1.6c");
    EXPECT_DOUBLE_EQ(fenster->uhr.p.Breit, 50);
    // An option changed by a click counts as much as a typed number.
    finde<QCheckBox>("chBzonzeit")->click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(fenster->isWindowModified());
    fenster->Deutsch1Click(false);
    EXPECT_EQ(titel(), "garten.ini* — Skiora,  vers. 1.6c");
    EXPECT_TRUE(gefragt.isEmpty());
}

TEST_F(Komfort, UnbenanntFolgtDerSprache) {
    fenster->Deutsch1Click(false);
    EXPECT_EQ(titel(), "untitled — Skiora,  vers. 1.6c");
}

TEST_F(Komfort, SchliessenFragtNurBeiAenderungenUndAbbrechenBehaeltAlles) {
    // Unchanged: closes without a word.
    EXPECT_TRUE(fenster->close());
    EXPECT_TRUE(gefragt.isEmpty());
    fenster->show();

    aendere();
    const auto vorher = Stand(*fenster);
    antwort = Antwort::Abbrechen;
    EXPECT_FALSE(fenster->close());
    EXPECT_EQ(gefragt, QStringList{"unbenannt"});
    EXPECT_TRUE(fenster->isVisible());
    EXPECT_EQ(Stand(*fenster), vorher);
    EXPECT_TRUE(fenster->isWindowModified());

    // Save, but the dialog cancelled: nothing is lost, the window stays.
    antwort = Antwort::Speichern;
    EXPECT_FALSE(fenster->close());
    EXPECT_EQ(dialoge, 1);
    EXPECT_TRUE(fenster->isVisible());

    // Save into a file, then the window closes.
    gewaehlt = datei("neu.ini");
    EXPECT_TRUE(fenster->close());
    ASSERT_TRUE(QFile::exists(gewaehlt));
    EXPECT_EQ(Zeilen(gewaehlt), vorher);
}

TEST_F(Komfort, VerwerfenSchliesstUndEinGetippterWertZaehltMit) {
    // A value typed but not yet confirmed is a change too.
    auto* breite = finde<QLineEdit>("eBreit");
    breite->setFocus();
    breite->selectAll();
    QTest::keyClicks(breite, "12");
    antwort = Antwort::Verwerfen;
    EXPECT_TRUE(fenster->close());
    EXPECT_EQ(gefragt.size(), 1);
    EXPECT_DOUBLE_EQ(fenster->uhr.p.Breit, 12);
}

TEST_F(Komfort, LadenFragtVorherUndAbbrechenLaesstDenDialUnberuehrt) {
    aendere("33");
    ASSERT_TRUE(fenster->KonfigurationSpeichern(datei("a.ini")));
    aendere("44");
    ASSERT_TRUE(fenster->KonfigurationSpeichern(datei("b.ini")));
    aendere("55");
    const auto vorher = Stand(*fenster);

    antwort = Antwort::Abbrechen;
    EXPECT_FALSE(fenster->Oeffnen(datei("a.ini")));
    Lasse(fenster.get(), datei("a.ini"));
    EXPECT_EQ(gefragt.size(), 2);
    EXPECT_EQ(Stand(*fenster), vorher);
    EXPECT_EQ(titel(), "b.ini* — Skiora,  vers. 1.6c");

    // Save writes b.ini, then a.ini is loaded by the drop.
    antwort = Antwort::Speichern;
    Lasse(fenster.get(), datei("a.ini"));
    EXPECT_EQ(gefragt, (QStringList{"b.ini", "b.ini", "b.ini"}));
    EXPECT_EQ(Zeilen(datei("b.ini")), vorher);
    EXPECT_DOUBLE_EQ(fenster->uhr.p.Breit, 33);
    EXPECT_EQ(titel(), "a.ini — Skiora,  vers. 1.6c");
    EXPECT_EQ(dialoge, 0);

    // Unchanged, a drop on the picture loads without a question; a file of
    // another kind is not taken.
    Lasse(fenster->bild(), datei("b.ini"));
    EXPECT_EQ(gefragt.size(), 3);
    EXPECT_DOUBLE_EQ(fenster->uhr.p.Breit, 55);
    QFile::copy(datei("a.ini"), datei("a.txt"));
    Lasse(fenster.get(), datei("a.txt"));
    EXPECT_DOUBLE_EQ(fenster->uhr.p.Breit, 55);

    // Discarded for a file that turns out faulty: the dial, its file and
    // its "*" all stay.
    aendere("56");
    QFile kaputt(datei("kaputt.ini"));
    ASSERT_TRUE(kaputt.open(QIODevice::WriteOnly));
    kaputt.write("2002\r\n47,25\r\n");
    kaputt.close();
    antwort = Antwort::Verwerfen;
    EXPECT_FALSE(fenster->Oeffnen(datei("kaputt.ini")));
    EXPECT_DOUBLE_EQ(fenster->uhr.p.Breit, 56);
    EXPECT_EQ(titel(), "b.ini* — Skiora,  vers. 1.6c");
}

TEST_F(Komfort, StrgSFragtNurBeimErstenMalNachDerDatei) {
    gewaehlt = datei("dial.ini");
    aendere();
    QTest::keyClick(fenster.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(dialoge, 1);
    EXPECT_EQ(titel(), "dial.ini — Skiora,  vers. 1.6c");
    aendere("51");
    QTest::keyClick(fenster.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(dialoge, 1);
    EXPECT_EQ(Zeilen(gewaehlt), Stand(*fenster));
    EXPECT_FALSE(fenster->isWindowModified());
    // Save As asks again, and the dial then belongs to the new file.
    gewaehlt = datei("kopie.ini");
    QTest::keyClick(fenster.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(dialoge, 2);
    EXPECT_EQ(titel(), "kopie.ini — Skiora,  vers. 1.6c");
    EXPECT_TRUE(gefragt.isEmpty());
}

TEST_F(Komfort, NeuBringtDieStartkonfigurationUnbenannt) {
    fenster->uhr.tab.StrGridEin.Setze(1, 1, "7.5");
    ASSERT_TRUE(fenster->KonfigurationSpeichern(datei("alt.ini")));
    aendere();
    antwort = Antwort::Abbrechen;
    fenster->Neu();
    EXPECT_DOUBLE_EQ(fenster->uhr.p.Breit, 50);
    antwort = Antwort::Verwerfen;
    fenster->Neu();
    // No start configuration yet: the built-in dial, all of it.
    EXPECT_DOUBLE_EQ(fenster->uhr.p.Breit, 47.25);
    EXPECT_EQ(finde<QLineEdit>("eBreit")->text(), " 47.25");
    EXPECT_EQ(fenster->uhr.tab.StrGridEin.Zelle(1, 1), ""); // a file's empty list would keep it
    EXPECT_EQ(titel(), "unbenannt — Skiora,  vers. 1.6c");
    EXPECT_EQ(gefragt.size(), 2);

    aendere("33");
    fenster->StartkonfigurationSpeichern();
    ASSERT_TRUE(QFile::exists(startOrdner.filePath("skiora.ini")));
    aendere("34");
    fenster->Neu();
    EXPECT_DOUBLE_EQ(fenster->uhr.p.Breit, 33);
    EXPECT_FALSE(fenster->isWindowModified());
}

TEST_F(Komfort, ZuletztGeoeffneteNeuesteZuerstUndVerschwundeneMitMeldung) {
    for (const char* n : {"a.ini", "b.ini", "c.ini"})
        ASSERT_TRUE(fenster->KonfigurationSpeichern(datei(n)));
    ASSERT_TRUE(fenster->KonfigurationLaden(datei("a.ini")));
    EXPECT_EQ(fenster->einstellungen().zuletzt(),
              (QStringList{datei("a.ini"), datei("c.ini"), datei("b.ini")}));

    auto* menue = finde<QMenu>("Zuletzt1");
    fenster->ZuletztMenueFuellen();
    QList<QAction*> eintraege;
    for (QAction* a : menue->actions())
        if (a->data().isValid()) eintraege << a;
    ASSERT_EQ(eintraege.size(), 3);
    EXPECT_TRUE(eintraege[2]->text().startsWith("&3  b.ini"));

    // b.ini vanished: a message, and it leaves the list; nothing is asked.
    aendere();
    QFile::remove(datei("b.ini"));
    eintraege[2]->trigger();
    EXPECT_NE(letzteMeldung().find("b.ini"), std::string::npos);
    EXPECT_NE(letzteMeldung().find("gibt es nicht mehr"), std::string::npos);
    EXPECT_EQ(fenster->einstellungen().zuletzt(), (QStringList{datei("a.ini"), datei("c.ini")}));
    EXPECT_TRUE(gefragt.isEmpty());
    EXPECT_DOUBLE_EQ(fenster->uhr.p.Breit, 50);

    antwort = Antwort::Verwerfen;
    eintraege[1]->trigger(); // c.ini
    EXPECT_EQ(titel(), "c.ini — Skiora,  vers. 1.6c");
    EXPECT_EQ(fenster->einstellungen().zuletzt().first(), datei("c.ini"));
}

TEST_F(Komfort, DatenladenFragtVorDemDialog) {
    aendere();
    antwort = Antwort::Abbrechen; // a dialog after Cancel would hang the test
    finde<QAction>("Datenladen1")->trigger();
    EXPECT_EQ(gefragt.size(), 1);
    EXPECT_EQ(finde<QAction>("Datenladen1")->shortcut(), QKeySequence("Ctrl+O"));
}

// A file given at the start, as the desktop's "open with" passes it.
TEST(KomfortStart, DateiVonDerBefehlszeileStehtImTitel) {
    QtStarten();
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("platz.adt");
    {
        Sonnenuhr uhr;
        uhr.p.Breit = 52.5;
        std::ostringstream text;
        config::KonfigurationSchreiben(uhr, text);
        QFile f(datei);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray::fromStdString(text.str()));
    }
    Startwahl wahl;
    wahl.startKonfigLesen = false;
    wahl.deutsch = true;
    wahl.konfig = datei.toStdString();
    SammelMelder melder;
    wahl.melder = &melder;
    Hauptfenster f(wahl);
    f.show();
    f.Aktivieren();
    EXPECT_DOUBLE_EQ(f.uhr.p.Breit, 52.5);
    EXPECT_EQ(f.windowHandle()->title(), "platz.adt — Skiora,  vers. 1.6c");
    EXPECT_EQ(f.aenderungen().Datei(), datei.toStdString());
}

} // namespace skiora::app::test

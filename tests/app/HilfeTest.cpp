// Every input control leads to a help topic, and that topic is in both files.
#include "Fenster.h"

#include "help/HilfeThemen.h"

#include <QAbstractButton>
#include <QFile>

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
         {"eBreit",       "eLang",      "eZone",      "eHalb",     "eIncl",      "eGnomInc",
          "eHoehe",       "ejahr",      "eRiseSet",   "MaskEdit1", "eStart",     "eEnd",
          "eLph",         "ChBRiseSet", "chBzonzeit", "chBSchatt", "rgArten",    "rgAnzahl",
          "rgMittelwert", "efStart",    "efEnd",      "chbGenau",  "StrGridEin", "rgDefault",
          "rgKoordAusg",  "EddxfAchs",  "rgDxf"}) {
        QWidget* w = fenster->findChild<QWidget*>(name);
        ASSERT_NE(w, nullptr) << name;
        const int thema = help::HilfeThemaVon(name);
        ASSERT_NE(thema, 0) << name;
        const QString anker = QString("name=\"topic-%1\"").arg(thema);
        EXPECT_TRUE(de.contains(anker)) << name;
        EXPECT_TRUE(en.contains(anker)) << name;
        ++gefunden;
    }
    EXPECT_EQ(gefunden, 27);
}

} // namespace skiora::app::test

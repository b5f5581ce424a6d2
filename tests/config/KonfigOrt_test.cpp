// The site's lines after the 26 the format defines: written only when set,
// skipped by older versions, read back whole, and a damaged one keeps the
// place as it was while the dial loads.
#include "config/Konfiguration.h"
#include "core/Sonnenuhr.h"

#include <gtest/gtest.h>

using namespace skiora;
using namespace skiora::config;

namespace {

std::vector<std::string> Zeilen(const std::string& text) {
    return ZeilenAusText(text);
}

Ortsangaben Berlin() {
    Ortsangaben o;
    o.Name = "Berlin, Deutschland";
    o.Zeitzone = "Europe/Berlin";
    o.Sommerzeit = true;
    return o;
}

TEST(KonfigOrt, WrittenAfterTheDialAndReadBackWhole) {
    Sonnenuhr ohne;
    ohne.p.Breit = 51.1;
    const std::string alt = KonfigurationText(ohne);
    EXPECT_EQ(Zeilen(alt).size(), 26u); // no place: the file as it always was

    Sonnenuhr mit;
    mit.p.Breit = 51.1;
    // A name the code page cannot hold, and the escape character itself.
    mit.ort = {"Łódź & Zgierz, Polen", "Europe/Warsaw", true};
    const std::string neu = KonfigurationText(mit);
    // Older versions read the first 26 lines, which are those of the same dial.
    ASSERT_EQ(neu.substr(0, alt.size()), alt);
    EXPECT_EQ(neu.substr(alt.size()), "Ort=&#x141;\xF3"
                                      "d&#x17A; &#x26; Zgierz, Polen\r\n"
                                      "Zeitzone=Europe/Warsaw\r\nSommerzeit=j\r\n");

    Sonnenuhr leser;
    const Einlesung e = KonfigurationAusText(neu, leser);
    ASSERT_EQ(e.status, LeseStatus::Gelesen);
    EXPECT_EQ(e.ortZeile, 0);
    EXPECT_EQ(e.konfig.ort.Name, "Łódź & Zgierz, Polen");
    EXPECT_EQ(e.konfig.ort.Zeitzone, "Europe/Warsaw");
    EXPECT_TRUE(e.konfig.ort.Sommerzeit);
    EXPECT_DOUBLE_EQ(e.konfig.p.Breit, 51.1);
}

TEST(KonfigOrt, AFileWithoutThemLoadsAsBeforeAndNamesNoPlace) {
    Sonnenuhr quelle;
    quelle.p.Breit = -33.87;
    const auto zeilen = KonfigurationSchreiben(quelle);

    Sonnenuhr uhr;
    uhr.ort = Berlin();
    uhr.ort.HatSommerzeit = true;
    int abgleiche = 0;
    uhr.zeitzoneAbgleichen = [&] { ++abgleiche; };
    ASSERT_EQ(KonfigurationLesen(uhr, LeseAbsender::Datenladen1, zeilen).status,
              LeseStatus::Gelesen);
    EXPECT_DOUBLE_EQ(uhr.p.Breit, -33.87);
    EXPECT_EQ(KonfigurationSchreiben(uhr), zeilen);
    // Berlin's name and summer time do not stay on another site.
    EXPECT_EQ(uhr.ort.Name, "");
    EXPECT_EQ(uhr.ort.Zeitzone, "");
    EXPECT_FALSE(uhr.ort.Sommerzeit);
    EXPECT_FALSE(uhr.ort.HatSommerzeit);
    EXPECT_EQ(abgleiche, 1);
}

TEST(KonfigOrt, ADamagedLineKeepsThePlaceAndSaysWhich) {
    Sonnenuhr quelle;
    quelle.p.Breit = 10;
    const auto dial = KonfigurationSchreiben(quelle);
    const std::vector<std::vector<std::string>> schaeden = {
        {"Ort=Ber&#xZZ;lin"},        {"Ort=Ber&#x1;lin"},
        {"Ort=Berlin", "Ort=Paris"}, {"Ort="},
        {"Zeitzone=Europe/Ber lin"}, {"Zeitzone=" + std::string(70, 'A')},
        {"Sommerzeit=ja"},
    };
    for (const auto& schaden : schaeden) {
        SCOPED_TRACE(schaden.back());
        auto zeilen = dial;
        zeilen.push_back("Personen=1.2,1.8"); // a later version's line: skipped
        zeilen.insert(zeilen.end(), schaden.begin(), schaden.end());
        Sonnenuhr uhr;
        uhr.ort = Berlin();
        ASSERT_EQ(KonfigurationLesen(uhr, LeseAbsender::Datenladen1, zeilen).status,
                  LeseStatus::Gelesen);
        EXPECT_DOUBLE_EQ(uhr.p.Breit, 10); // the dial is loaded
        EXPECT_EQ(uhr.ort.Name, "Berlin, Deutschland");
        EXPECT_EQ(uhr.ort.Zeitzone, "Europe/Berlin");
        EXPECT_TRUE(uhr.ort.Sommerzeit);
        const auto& meldungen = dynamic_cast<SammelMelder&>(uhr.melder()).eintraege;
        ASSERT_EQ(meldungen.size(), 1u);
        EXPECT_EQ(meldungen[0].text, "Die Ortsangabe in Zeile " + std::to_string(zeilen.size()) +
                                         " ist beschädigt; Ort, Zeitzone und Sommerzeit bleiben "
                                         "wie sie waren.");
    }
}

} // namespace

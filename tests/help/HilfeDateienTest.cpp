// The help files: every topic a control or the program asks for must exist
// in both languages, or F1 would open the help at its top.
#include "help/HilfeDatei.h"
#include "help/HilfeThemen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

using namespace skiora::help;

namespace {

std::string Lies(const std::string& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

std::set<int> Anker(const std::string& html) {
    std::set<int> nummern;
    static const std::regex anker(R"re(<a\s+(?:name|id)\s*=\s*"topic-(\d+)")re");
    for (auto it = std::sregex_iterator(html.begin(), html.end(), anker);
         it != std::sregex_iterator(); ++it)
        nummern.insert(std::stoi((*it)[1]));
    return nummern;
}

std::set<int> GefragteThemen() {
    std::set<int> t;
    for (int i = ThemaUebersicht; i <= ThemaTabellen; ++i)
        t.insert(i);
    for (const auto& e : HilfeThemen)
        t.insert(e.thema);
    return t;
}

TEST(HilfeDateien, EveryTopicIsAnAnchorInBothLanguages) {
    const std::string verz = std::string(SKIORA_SOURCE_DIR) + "/help/content/";
    std::set<int> ankerDe, ankerEn;
    for (bool deutsch : {true, false}) {
        const std::string html = Lies(HilfeDateiPfad(verz, deutsch));
        ASSERT_FALSE(html.empty()) << HilfeDateiName(deutsch);
        (deutsch ? ankerDe : ankerEn) = Anker(html);
        for (int t : GefragteThemen())
            EXPECT_TRUE((deutsch ? ankerDe : ankerEn).count(t))
                << HilfeDateiName(deutsch) << " lacks topic-" << t;
        // Every picture a file shows is shipped beside it.
        static const std::regex bild(R"re(<img[^>]*src="([^"]+)")re");
        for (auto it = std::sregex_iterator(html.begin(), html.end(), bild);
             it != std::sregex_iterator(); ++it)
            EXPECT_TRUE(std::filesystem::exists(verz + (*it)[1].str())) << (*it)[1].str();
    }
    EXPECT_EQ(ankerDe, ankerEn) << "the two languages should have the same topics";
}

TEST(HilfeDateien, ControlsHaveDistinctTopicsOfTheirOwn) {
    std::set<int> gesehen;
    for (const auto& e : HilfeThemen) {
        EXPECT_GT(e.thema, ThemaTabellen) << e.steuerelement;
        EXPECT_TRUE(gesehen.insert(e.thema).second) << e.steuerelement;
        EXPECT_EQ(HilfeThemaVon(e.steuerelement), e.thema);
    }
    EXPECT_EQ(HilfeThemaVon("Image1"), 0);
}

TEST(HilfeDateien, TheBuildCopiesTheFilesBesideTheProgram) {
    for (bool deutsch : {true, false})
        EXPECT_TRUE(std::filesystem::exists(HilfeDateiPfad(SKIORA_BINARY_DIR "/", deutsch)))
            << HilfeDateiName(deutsch);
}

} // namespace

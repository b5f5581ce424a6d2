#include "core/Mittag.h"
#include "core/Sonne.h"
#include "core/Sonnenuhr.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace skiora;

namespace {

// True solar noon in zone time, in whole seconds after midnight, on days 1, 42, 80,
// 105, 135, 172, 206, 246, 266, 307, 355 and 365 of the year. Source: ERFA
// 2.0 (IAU SOFA algorithms: Earth ephemeris eraEpv00, aberration eraAb,
// precession-nutation eraPnm06a, apparent sidereal time eraGst06a), computed
// once by tests/core/mittag_referenz.py, which states the method. Sites (west
// positive): 0 Berlin (-13.41, zone -15), 1 Sydney (-151.21, -150), 2 New
// York (74.01, 75), 3 a site west of its zone meridian (21.94, 0).
// Tolerance: 30 seconds, what a plumb line on the ground can use.
struct Referenz {
    int jahr, ort;
    int sekunden[12];
};
const int Tage[12] = {1, 42, 80, 105, 135, 172, 206, 246, 266, 307, 355, 365};
const double Orte[4][2] = {{-13.41, -15}, {-151.21, -150}, {74.01, 75}, {21.94, 0}};
const Referenz Referenzen[] = {
    {1700, 0, {43844, 44471, 44024, 43577, 43333, 43644, 43934, 43522, 43115, 42612, 43511, 43808}},
    {1700, 1, {43161, 43799, 43359, 42910, 42661, 42967, 43262, 42858, 42451, 41939, 42828, 43125}},
    {1700, 2, {43232, 43851, 43400, 42954, 42714, 43028, 43315, 42899, 42491, 41993, 42899, 43196}},
    {1700, 3, {48731, 49355, 48906, 48459, 48217, 48530, 48818, 48405, 47997, 47496, 48398, 48695}},
    {1753, 0, {43840, 44465, 44019, 43576, 43338, 43653, 43940, 43523, 43113, 42611, 43508, 43806}},
    {1753, 1, {43157, 43793, 43354, 42909, 42666, 42976, 43267, 42859, 42449, 41938, 42825, 43123}},
    {1753, 2, {43227, 43846, 43395, 42953, 42719, 43037, 43321, 42900, 42489, 41992, 42896, 43193}},
    {1753, 3, {48726, 49349, 48901, 48458, 48222, 48538, 48824, 48406, 47995, 47495, 48395, 48693}},
    {1800, 0, {43822, 44460, 44024, 43582, 43342, 43655, 43947, 43534, 43122, 42606, 43489, 43786}},
    {1800, 1, {43139, 43788, 43359, 42916, 42670, 42978, 43274, 42869, 42458, 41934, 42806, 43103}},
    {1800, 2, {43210, 43840, 43401, 42959, 42723, 43039, 43328, 42910, 42498, 41987, 42877, 43174}},
    {1800, 3, {48709, 49344, 48906, 48465, 48226, 48540, 48831, 48416, 48004, 47490, 48376, 48673}},
    {1850, 0, {43811, 44454, 44025, 43585, 43346, 43660, 43951, 43538, 43126, 42604, 43479, 43775}},
    {1850, 1, {43128, 43782, 43360, 42919, 42674, 42983, 43279, 42874, 42462, 41932, 42795, 43092}},
    {1850, 2, {43199, 43834, 43401, 42962, 42727, 43044, 43332, 42914, 42501, 41985, 42867, 43163}},
    {1850, 3, {48698, 49338, 48907, 48468, 48230, 48545, 48835, 48420, 48008, 47488, 48366, 48662}},
    {1901, 0, {43795, 44449, 44030, 43592, 43352, 43663, 43958, 43548, 43134, 42600, 43461, 43757}},
    {1901, 1, {43112, 43777, 43365, 42926, 42680, 42986, 43286, 42883, 42470, 41928, 42777, 43074}},
    {1901, 2, {43182, 43830, 43407, 42969, 42732, 43047, 43339, 42924, 42510, 41981, 42849, 43145}},
    {1901, 3, {48681, 49333, 48912, 48475, 48236, 48549, 48842, 48430, 48016, 47484, 48348, 48644}},
    {1950, 0, {43789, 44442, 44026, 43591, 43356, 43673, 43966, 43550, 43134, 42598, 43457, 43752}},
    {1950, 1, {43106, 43770, 43360, 42925, 42684, 42996, 43294, 42886, 42470, 41926, 42773, 43069}},
    {1950, 2, {43177, 43823, 43402, 42969, 42737, 43057, 43347, 42926, 42510, 41979, 42845, 43140}},
    {1950, 3, {48676, 49326, 48908, 48474, 48241, 48558, 48850, 48432, 48016, 47482, 48344, 48639}},
    {2000, 0, {43778, 44436, 44025, 43594, 43361, 43677, 43970, 43555, 43137, 42596, 43446, 43743}},
    {2000, 1, {43095, 43764, 43360, 42928, 42689, 43000, 43298, 42891, 42473, 41924, 42762, 43060}},
    {2000, 2, {43165, 43817, 43401, 42971, 42742, 43061, 43351, 42931, 42512, 41977, 42834, 43130}},
    {2000, 3, {48665, 49320, 48907, 48476, 48245, 48562, 48854, 48437, 48019, 47480, 48333, 48629}},
    {2024, 0, {43780, 44433, 44021, 43591, 43363, 43683, 43974, 43553, 43134, 42594, 43448, 43744}},
    {2024, 1, {43097, 43761, 43356, 42925, 42691, 43006, 43302, 42889, 42470, 41923, 42765, 43061}},
    {2024, 2, {43167, 43814, 43397, 42969, 42744, 43067, 43355, 42930, 42510, 41975, 42836, 43132}},
    {2024, 3, {48666, 49317, 48903, 48474, 48247, 48569, 48858, 48436, 48016, 47478, 48335, 48631}},
    {2050, 0, {43796, 44429, 44006, 43581, 43364, 43696, 43979, 43542, 43122, 42594, 43466, 43760}},
    {2050, 1, {43113, 43757, 43341, 42914, 42692, 43019, 43306, 42878, 42458, 41922, 42783, 43077}},
    {2050, 2, {43184, 43810, 43383, 42958, 42746, 43080, 43359, 42918, 42497, 41974, 42854, 43148}},
    {2050, 3, {48683, 49313, 48889, 48463, 48249, 48581, 48863, 48424, 48004, 47478, 48353, 48647}},
    {2099, 0, {43793, 44425, 44004, 43581, 43370, 43706, 43985, 43543, 43120, 42591, 43464, 43757}},
    {2099, 1, {43110, 43753, 43338, 42915, 42698, 43028, 43313, 42878, 42456, 41919, 42781, 43074}},
    {2099, 2, {43181, 43805, 43380, 42959, 42751, 43090, 43366, 42918, 42496, 41972, 42852, 43145}},
    {2099, 3, {48680, 49309, 48886, 48464, 48254, 48591, 48869, 48425, 48002, 47475, 48351, 48644}},
    {2100, 0, {43786, 44425, 44008, 43585, 43370, 43702, 43984, 43548, 43125, 42592, 43457, 43752}},
    {2100, 1, {43103, 43753, 43343, 42918, 42698, 43025, 43312, 42883, 42461, 41920, 42774, 43069}},
    {2100, 2, {43173, 43806, 43384, 42962, 42751, 43086, 43365, 42924, 42501, 41973, 42845, 43139}},
    {2100, 3, {48672, 49309, 48890, 48467, 48254, 48587, 48868, 48430, 48007, 47476, 48344, 48638}},
};

} // namespace

TEST(WahrerMittag, AgreesWithErfaWithinHalfAMinuteFrom1700To2100) {
    double groesste = 0;
    for (const Referenz& r : Referenzen) {
        for (int i = 0; i < 12; ++i) {
            const auto m = WahrerMittag(r.jahr, Tage[i], Orte[r.ort][0], Orte[r.ort][1]);
            const double abweichung = m.zonenzeit * 3600 - r.sekunden[i];
            groesste = std::max(groesste, std::fabs(abweichung));
            EXPECT_LT(std::fabs(abweichung), 30)
                << r.jahr << " day " << Tage[i] << " site " << r.ort;
        }
    }
    RecordProperty("largest_difference_s", std::to_string(groesste));
}

TEST(WahrerMittag, SummerTimeNorthAndSouthOfTheEquator) {
    Ortsangaben nord;
    nord.HatSommerzeit = true;
    nord.SzBeginnTag = 31, nord.SzBeginnMonat = 3, nord.SzEndeTag = 27, nord.SzEndeMonat = 10;
    Ortsangaben sued = nord;
    sued.SzBeginnTag = 6, sued.SzBeginnMonat = 10, sued.SzEndeTag = 7, sued.SzEndeMonat = 4;
    // The first day on summer time counts, the first day back does not.
    EXPECT_FALSE(GiltSommerzeit(nord, 2024, 3, 30));
    EXPECT_TRUE(GiltSommerzeit(nord, 2024, 3, 31));
    EXPECT_TRUE(GiltSommerzeit(nord, 2024, 10, 26));
    EXPECT_FALSE(GiltSommerzeit(nord, 2024, 10, 27));
    EXPECT_TRUE(GiltSommerzeit(sued, 2024, 1, 15));
    EXPECT_TRUE(GiltSommerzeit(sued, 2024, 4, 6));
    EXPECT_FALSE(GiltSommerzeit(sued, 2024, 4, 7));
    EXPECT_FALSE(GiltSommerzeit(sued, 2024, 7, 1));
    EXPECT_TRUE(GiltSommerzeit(sued, 2024, 12, 31));
    // No summer time, or dates that are none, give none.
    Ortsangaben kaputt = nord;
    kaputt.SzEndeTag = 31, kaputt.SzEndeMonat = 11;
    EXPECT_FALSE(GiltSommerzeit(kaputt, 2024, 7, 1));
    nord.HatSommerzeit = false;
    EXPECT_FALSE(GiltSommerzeit(nord, 2024, 7, 1));
}

TEST(WahrerMittag, TheYearsTableHasEveryDayAndSummerTimeWhereItApplies) {
    Ortsangaben berlin;
    berlin.HatSommerzeit = true;
    berlin.SzBeginnTag = 31, berlin.SzBeginnMonat = 3, berlin.SzEndeTag = 27,
    berlin.SzEndeMonat = 10;
    const auto jahr = MittagsJahr(2024, -13.41, -15, berlin);
    ASSERT_EQ(jahr.size(), 366u);
    EXPECT_EQ(MittagsJahr(2023, -13.41, -15, berlin).size(), 365u);
    const Gitter g = MittagsGitter(jahr, true, 1);
    ASSERT_EQ(g.Spalten(), 4);
    ASSERT_EQ(g.Zeilen(), 367);
    EXPECT_EQ(g.Zelle(3, 0), "Wahrer Mittag (Sommerzeit)");
    // 1 January: noon 12:09:39.6 and the equation of time -3:18.0 (ERFA above).
    EXPECT_EQ(g.Zelle(0, 1), "01.Jan");
    EXPECT_TRUE(g.Zelle(1, 1) == " -3:18" || g.Zelle(1, 1) == " -3:19") << g.Zelle(1, 1);
    EXPECT_EQ(g.Zelle(2, 1), "12:09:40");
    EXPECT_EQ(g.Zelle(3, 1), "");
    // 30 and 31 March (rows 90, 91): summer time from the 31st, one hour on.
    EXPECT_EQ(g.Zelle(3, 90), "");
    EXPECT_EQ(g.Zelle(3, 91), UhrzeitText(jahr[90].mittag.zonenzeit + 1));
    EXPECT_EQ(g.Zelle(0, 366), "31.Dez");
    // Without summer time the column is left out, and English headings.
    const Gitter ohne = MittagsGitter(MittagsJahr(2024, 21.94, 0, Ortsangaben{}), false, 2);
    EXPECT_EQ(ohne.Spalten(), 3);
    EXPECT_EQ(ohne.Zelle(2, 0), "True noon (zone time)");
}

TEST(WahrerMittag, ClockTimesRoundToTheSecondAndNameAnotherDay) {
    EXPECT_EQ(UhrzeitText(12 + 6 / 60.0 + 31.6 / 3600), "12:06:32");
    EXPECT_EQ(UhrzeitText(11 + 59 / 60.0 + 59.6 / 3600), "12:00:00");
    EXPECT_EQ(UhrzeitText(-1 / 60.0), "23:59:00 -1d");
    EXPECT_EQ(UhrzeitText(24.5), "00:30:00 +1d");
    EXPECT_EQ(UhrzeitText(std::nan("")), "--:--:--");
    // A longitude far from its zone meridian (the fields allow 195 degrees)
    // puts noon on another day: the table says so rather than wrapping silently.
    const auto m = WahrerMittag(2024, 100, 190, -190);
    EXPECT_GT(m.zonenzeit, 24);
}

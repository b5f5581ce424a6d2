#include "core/Mittag.h"
#include "core/Sonne.h"
#include "core/Sonnenuhr.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace skiora;

namespace {

// True solar noon in zone time, in seconds after midnight, on days 1, 42, 80,
// 105, 135, 172, 206, 246, 266, 307, 355 and 365 of the year. Source: ERFA
// 2.0 (IAU SOFA algorithms: Earth ephemeris eraEpv00, aberration eraAb,
// precession-nutation eraPnm06a, apparent sidereal time eraGst06a), computed
// once by tests/core/mittag_referenz.py, which states the method. Sites (west
// positive): 0 Berlin (-13.41, zone -15), 1 Sydney (-151.21, -150), 2 New
// York (74.01, 75), 3 a site west of its zone meridian (21.94, 0).
// Tolerance: 30 seconds, what a plumb line on the ground can use.
struct Referenz {
    int jahr, ort;
    double sekunden[12];
};
const int Tage[12] = {1, 42, 80, 105, 135, 172, 206, 246, 266, 307, 355, 365};
const double Orte[4][2] = {{-13.41, -15}, {-151.21, -150}, {74.01, 75}, {21.94, 0}};
const Referenz Referenzen[] = {
    {1700,
     0,
     {43844.2, 44470.7, 44023.9, 43576.6, 43333.1, 43644.5, 43934.2, 43522.4, 43114.9, 42611.7,
      43511.2, 43807.8}},
    {1700,
     1,
     {43161.4, 43798.9, 43358.9, 42910.4, 42661.1, 42967.5, 43261.9, 42857.7, 42450.8, 41939.5,
      42827.7, 43124.8}},
    {1700,
     2,
     {43231.9, 43851.3, 43400.2, 42953.7, 42714.0, 43028.4, 43315.2, 42898.6, 42490.7, 41992.7,
      42899.3, 43195.5}},
    {1700,
     3,
     {48731.0, 49354.6, 48906.0, 48459.1, 48217.1, 48529.7, 48818.3, 48404.5, 47996.9, 47495.8,
      48398.2, 48694.6}},
    {1753,
     0,
     {43839.7, 44465.1, 44018.5, 43575.6, 43338.1, 43652.6, 43939.7, 43523.5, 43112.8, 42610.7,
      43508.3, 43805.7}},
    {1753,
     1,
     {43156.8, 43793.3, 43353.6, 42909.4, 42666.0, 42975.7, 43267.4, 42858.8, 42448.6, 41938.4,
      42824.8, 43122.7}},
    {1753,
     2,
     {43227.4, 43845.8, 43394.8, 42952.7, 42718.9, 43036.6, 43320.6, 42899.6, 42488.6, 41991.7,
      42896.5, 43193.5}},
    {1753,
     3,
     {48726.5, 49349.1, 48900.7, 48458.1, 48222.1, 48537.9, 48823.7, 48405.6, 47994.8, 47494.7,
      48395.3, 48692.5}},
    {1800,
     0,
     {43822.3, 44459.6, 44024.2, 43582.1, 43342.0, 43655.2, 43946.7, 43533.6, 43122.4, 42606.0,
      43489.4, 43785.9}},
    {1800,
     1,
     {43139.4, 43787.7, 43359.1, 42915.9, 42670.0, 42978.2, 43274.3, 42869.0, 42458.3, 41933.9,
      42805.8, 43102.9}},
    {1800,
     2,
     {43210.0, 43840.3, 43400.5, 42959.3, 42722.8, 43039.2, 43327.7, 42909.7, 42498.2, 41986.9,
      42877.5, 43173.7}},
    {1800,
     3,
     {48709.1, 49343.6, 48906.4, 48464.7, 48226.0, 48540.5, 48830.8, 48415.7, 48004.4, 47490.0,
      48376.3, 48672.7}},
    {1850,
     0,
     {43811.3, 44453.6, 44024.6, 43585.0, 43346.3, 43659.6, 43950.9, 43538.2, 43125.7, 42604.4,
      43478.9, 43775.5}},
    {1850,
     1,
     {43128.5, 43781.6, 43359.6, 42918.8, 42674.2, 42982.6, 43278.6, 42873.5, 42461.7, 41932.4,
      42795.4, 43092.4}},
    {1850,
     2,
     {43199.0, 43834.4, 43401.0, 42962.2, 42727.2, 43043.5, 43331.9, 42914.3, 42501.4, 41985.3,
      42866.9, 43163.3}},
    {1850,
     3,
     {48698.1, 49337.6, 48906.8, 48467.6, 48230.3, 48544.9, 48835.0, 48420.3, 48007.6, 47488.4,
      48365.8, 48662.3}},
    {1901,
     0,
     {43794.6, 44448.7, 44030.3, 43592.3, 43351.6, 43663.4, 43958.1, 43547.8, 43134.2, 42599.9,
      43460.9, 43756.9}},
    {1901,
     1,
     {43111.7, 43776.5, 43365.1, 42926.0, 42679.6, 42986.4, 43285.7, 42883.1, 42470.2, 41928.1,
      42777.4, 43073.8}},
    {1901,
     2,
     {43182.3, 43829.5, 43406.7, 42969.5, 42732.5, 43047.4, 43339.1, 42923.9, 42509.9, 41980.7,
      42848.9, 43144.7}},
    {1901,
     3,
     {48681.4, 49332.7, 48912.5, 48474.8, 48235.6, 48548.7, 48842.2, 48429.9, 48016.2, 47483.9,
      48347.8, 48643.7}},
    {1950,
     0,
     {43789.2, 44441.8, 44025.6, 43591.3, 43356.5, 43673.1, 43965.9, 43550.2, 43134.4, 42598.0,
      43456.7, 43752.1}},
    {1950,
     1,
     {43106.3, 43769.6, 43360.4, 42925.0, 42684.4, 42996.1, 43293.6, 42885.6, 42470.4, 41926.1,
      42773.3, 43069.1}},
    {1950,
     2,
     {43176.9, 43822.6, 43402.0, 42968.5, 42737.4, 43057.1, 43346.9, 42926.3, 42510.0, 41978.7,
      42844.7, 43139.9}},
    {1950,
     3,
     {48676.0, 49325.8, 48907.8, 48473.9, 48240.5, 48558.4, 48850.0, 48432.3, 48016.3, 47481.9,
      48343.6, 48639.0}},
    {2000,
     0,
     {43777.7, 44436.1, 44024.8, 43593.9, 43360.8, 43677.1, 43970.4, 43555.3, 43136.7, 42595.8,
      43445.9, 43742.7}},
    {2000,
     1,
     {43094.8, 43763.9, 43359.7, 42927.6, 42688.7, 43000.1, 43298.0, 42890.7, 42472.8, 41924.0,
      42762.4, 43059.6}},
    {2000,
     2,
     {43165.4, 43817.0, 43401.3, 42971.2, 42741.7, 43061.1, 43351.4, 42931.4, 42512.4, 41976.6,
      42833.9, 43130.5}},
    {2000,
     3,
     {48664.5, 49320.2, 48907.1, 48476.5, 48244.8, 48562.4, 48854.5, 48437.4, 48018.7, 47479.8,
      48332.8, 48629.5}},
    {2024,
     0,
     {43779.6, 44433.2, 44020.7, 43591.4, 43362.8, 43683.5, 43974.2, 43553.5, 43134.1, 42594.4,
      43448.1, 43744.2}},
    {2024,
     1,
     {43096.7, 43761.0, 43355.5, 42925.0, 42690.7, 43006.5, 43301.9, 42888.9, 42470.2, 41922.6,
      42764.8, 43061.1}},
    {2024,
     2,
     {43167.2, 43814.1, 43397.2, 42968.7, 42743.8, 43067.4, 43355.2, 42929.5, 42509.7, 41975.2,
      42836.2, 43132.0}},
    {2024,
     3,
     {48666.3, 49317.2, 48903.0, 48474.0, 48246.9, 48568.8, 48858.3, 48435.6, 48016.0, 47478.4,
      48335.1, 48631.0}},
    {2050,
     0,
     {43796.2, 44429.2, 44006.3, 43580.6, 43364.5, 43696.1, 43978.6, 43542.0, 43121.8, 42593.6,
      43466.4, 43760.2}},
    {2050,
     1,
     {43113.4, 43757.3, 43341.1, 42914.1, 42692.1, 43019.0, 43306.5, 42877.6, 42457.8, 41921.7,
      42783.0, 43077.2}},
    {2050,
     2,
     {43183.8, 43810.0, 43382.8, 42958.0, 42745.5, 43080.1, 43359.5, 42918.0, 42497.4, 41974.5,
      42854.5, 43147.9}},
    {2050,
     3,
     {48683.0, 49313.2, 48888.6, 48463.2, 48248.6, 48581.3, 48862.7, 48424.1, 48003.7, 47477.7,
      48353.4, 48647.0}},
    {2099,
     0,
     {43793.2, 44424.5, 44003.6, 43581.2, 43370.3, 43705.5, 43985.2, 43542.5, 43120.4, 42591.3,
      43464.0, 43757.3}},
    {2099,
     1,
     {43110.4, 43752.6, 43338.4, 42914.6, 42697.9, 43028.5, 43313.1, 42878.1, 42456.5, 41919.3,
      42780.7, 43074.4}},
    {2099,
     2,
     {43180.8, 43805.3, 43380.2, 42958.6, 42751.4, 43089.5, 43366.0, 42918.5, 42496.0, 41972.1,
      42852.1, 43145.0}},
    {2099,
     3,
     {48679.9, 49308.5, 48885.9, 48463.8, 48254.4, 48590.8, 48869.2, 48424.6, 48002.3, 47475.3,
      48351.0, 48644.1}},
    {2100,
     0,
     {43785.5, 44425.0, 44007.9, 43584.8, 43370.2, 43701.7, 43984.1, 43547.6, 43125.1, 42592.4,
      43456.9, 43751.6}},
    {2100,
     1,
     {43102.8, 43752.9, 43342.6, 42918.3, 42697.9, 43024.7, 43312.0, 42883.1, 42461.2, 41920.5,
      42773.6, 43068.6}},
    {2100,
     2,
     {43173.2, 43805.8, 43384.3, 42962.2, 42751.3, 43085.6, 43365.0, 42923.6, 42500.8, 41973.3,
      42844.9, 43139.4}},
    {2100,
     3,
     {48672.3, 49309.0, 48890.1, 48467.4, 48254.3, 48586.9, 48868.2, 48429.7, 48007.0, 47476.4,
      48343.8, 48638.4}},
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

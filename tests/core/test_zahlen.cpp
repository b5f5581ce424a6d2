#include "core/Zahlen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace skiora;

TEST(ZahlText, FixedPointRightAlignedNeverCut) {
    EXPECT_EQ(ZahlText(4, 2, 12345.678), "12345.68"); // longer than the width: kept whole
    EXPECT_EQ(ZahlText(2, 3, 1.0), "");               // more decimals than width
    // Rounded to zero, a negative value shows no sign.
    EXPECT_EQ(ZahlText(7, 3, -0.0001), "  0.000");
    EXPECT_EQ(ZahlText(7, 3, -0.0006), " -0.001");
}

TEST(MinSekText, MinutesSecondsAndOneSign) {
    EXPECT_EQ(MinSekText(-3.9), "-15:36");
    EXPECT_EQ(MinSekText(-0.1), " -0:24");
    EXPECT_EQ(MinSekText(3.99999), " 16:00"); // 60 seconds carry into the minute
    // -0.999 min rounds to a full minute: one sign, not "--1:00".
    EXPECT_EQ(MinSekText(-0.999 / 4), " -1:00");
    EXPECT_EQ(MinSekText(-0.0001), "  0:00"); // no "-0:00"
    EXPECT_EQ(MinSekText(std::numeric_limits<double>::quiet_NaN()).size(), 6u);
}

TEST(TanG, GuardedAtNinetyDegrees) {
    EXPECT_DOUBLE_EQ(TanG(90 * Rad), std::tan(89.99999 * Rad));
}

TEST(LiesZahl, AcceptsWhatTheFieldsHold) {
    EXPECT_EQ(LiesZahl(" -.5 "), -0.5);
    EXPECT_EQ(LiesZahl("3."), 3.0);
    EXPECT_EQ(LiesZahl("+47.250000\r"), 47.25);
    EXPECT_EQ(LiesZahl("1.5e2"), 150.0);
    bool leer = false;
    EXPECT_FALSE(LiesZahl("   ", &leer));
    EXPECT_TRUE(leer);
    for (const char* falsch : {"12,5", ".", "1.2.3", "nan", "inf", "0x10", "1e", "1e400", "12 5"}) {
        leer = true;
        EXPECT_FALSE(LiesZahl(falsch, &leer)) << falsch;
        EXPECT_FALSE(leer) << falsch;
    }
}

TEST(LiesGanzzahl, DecimalIntegersOnly) {
    EXPECT_EQ(LiesGanzzahl(" +7 "), 7);
    EXPECT_EQ(LiesGanzzahl("-9223372036854775808"), std::numeric_limits<long long>::min());
    for (const char* falsch : {"", "2002.0", "1e3", "9223372036854775808", "-", "20 02"})
        EXPECT_FALSE(LiesGanzzahl(falsch)) << falsch;
}

TEST(Naechste, HalvesToEvenAndClamped) {
    EXPECT_EQ(Naechste(2.5), 2);
    EXPECT_EQ(Naechste(-3.5), -4);
    EXPECT_EQ(Naechste(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(Naechste(-1e300), std::numeric_limits<int>::min());
    EXPECT_EQ(Naechste(std::nan("")), 0);
}

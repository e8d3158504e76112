#include "color/Numeric.h"

#include <gtest/gtest.h>

namespace sv {
namespace {

TEST(Rounding, HalvesGoToEven) {
    EXPECT_EQ(roundEven(0.5), 0.0);
    EXPECT_EQ(roundEven(2.5), 2.0);
    EXPECT_EQ(roundEven(-2.5), -2.0);
    EXPECT_EQ(roundEven(3.5f), 4.0f);
}

TEST(TextToInt, DecimalTextWithSignAndDecimalsWithinTheRange) {
    EXPECT_EQ(textToInt16(" 12 "), 12);
    EXPECT_EQ(textToInt16("+7"), 7);
    EXPECT_EQ(textToInt16("2.5"), 2);
    EXPECT_EQ(textToInt16("-32768"), -32768);
    EXPECT_EQ(textToInt32("-2147483648"), std::numeric_limits<std::int32_t>::min());
    for (const char* bad : {"", "   ", "12a", "32768", "-32769", "nan", "inf", "-"}) {
        EXPECT_FALSE(textToInt16(bad)) << bad;
    }
    EXPECT_FALSE(textToInt32("2147483648"));
}

TEST(Twips, FifteenToThePixelRoundedHalvesToEven) {
    EXPECT_EQ(pixelsFromTwips(11340), 756);
    EXPECT_EQ(pixelsFromTwips(315), 21);
    EXPECT_EQ(pixelsFromTwips(100), 7);   // 6.67
    EXPECT_EQ(pixelsFromTwips(97.5), 6);  // 6.5
    EXPECT_EQ(pixelsFromTwips(112.5), 8); // 7.5
    EXPECT_EQ(pixelsFromTwips(-22.5), -2);
}

} // namespace
} // namespace sv

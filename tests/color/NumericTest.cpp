#include "color/Numeric.h"

#include <gtest/gtest.h>

namespace sv {
namespace {

TEST(Rounding, HalvesGoToEven) {
    EXPECT_EQ(roundEven(0.5), 0.0);
    EXPECT_EQ(roundEven(1.5), 2.0);
    EXPECT_EQ(roundEven(2.5), 2.0);
    EXPECT_EQ(roundEven(-2.5), -2.0);
    EXPECT_EQ(roundEven(2.5f), 2.0f);
    EXPECT_EQ(roundEven(3.5f), 4.0f);
}

TEST(TextToInt16, ReadsDecimalTextWithSignAndDecimals) {
    EXPECT_EQ(textToInt16("255"), 255);
    EXPECT_EQ(textToInt16(" 12 "), 12);
    EXPECT_EQ(textToInt16("-7"), -7);
    EXPECT_EQ(textToInt16("+7"), 7);
    EXPECT_EQ(textToInt16("2.5"), 2);
    EXPECT_EQ(textToInt16("3.5"), 4);
    EXPECT_EQ(textToInt16("32767"), 32767);
    EXPECT_EQ(textToInt16("-32768"), -32768);
}

TEST(TextToInt16, RejectsWhatIsNotANumberOrOutOfRange) {
    EXPECT_FALSE(textToInt16(""));
    EXPECT_FALSE(textToInt16("   "));
    EXPECT_FALSE(textToInt16("abc"));
    EXPECT_FALSE(textToInt16("12a"));
    EXPECT_FALSE(textToInt16("32768"));
    EXPECT_FALSE(textToInt16("-32769"));
    EXPECT_FALSE(textToInt16("nan"));
    EXPECT_FALSE(textToInt16("inf"));
    EXPECT_FALSE(textToInt16("-"));
}

TEST(TextToInt32, WiderRange) {
    EXPECT_EQ(textToInt32("40000"), 40000);
    EXPECT_EQ(textToInt32("-2147483648"), std::numeric_limits<std::int32_t>::min());
    EXPECT_FALSE(textToInt32("2147483648"));
}

TEST(Twips, FifteenToThePixel) {
    EXPECT_EQ(twips(11340), 756);
    EXPECT_EQ(twips(6990), 466);
    EXPECT_EQ(twips(315), 21);
}

} // namespace
} // namespace sv

#include "palette/NamedColors.h"
#include "palette/NamedStripColors.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace sv {
namespace {

TEST(NamedColors, TellingRows) {
    struct Row {
        int index;
        const char* name;
        int r, g, b;
    };
    const Row rows[] = {
        {1, "Acadia", 27, 20, 4},      {116, "Black", 0, 0, 0},     {1780, "Sunset", 220, 67, 51},
        {2006, "Yellow", 255, 255, 0}, {2031, "Zydeco", 2, 64, 44},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(namedColorName(row.index), row.name) << row.index;
        EXPECT_EQ(namedColorValue(row.index), rgb(row.r, row.g, row.b)) << row.index;
    }
    // Family order is part of the data.
    EXPECT_EQ(namedColorName(41), "Aquamarine Dark");
    EXPECT_EQ(namedColorName(42), "Aquamarine 1");
    for (int index : {0, -1, 2032}) {
        EXPECT_EQ(namedColorName(index), "") << index;
        EXPECT_EQ(namedColorValue(index), kBlack) << index;
    }
}

TEST(NamedColors, AllNamesDistinctAndWellFormed) {
    std::set<std::string> names;
    for (int i = 1; i <= kNamedColorCount; ++i) {
        const std::string name(namedColorName(i));
        ASSERT_FALSE(name.empty()) << i;
        ASSERT_NE(name.back(), ' ') << name;
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 2031u);
}

TEST(NamedStrip, SameColourFillsEveryCellAndEveryCellIsAColour) {
    for (int i = 1; i <= kNamedColorCount; i += 97) {
        const auto same = namedStripColors(namedColorValue(i), namedColorValue(i));
        for (ColorValue c : same) {
            ASSERT_EQ(c, namedColorValue(i));
        }
        const auto other =
            namedStripColors(namedColorValue(i), namedColorValue(kNamedColorCount + 1 - i));
        EXPECT_EQ(other[195], namedColorValue(kNamedColorCount + 1 - i));
        for (ColorValue c : other) {
            ASSERT_GE(c, 0);
            ASSERT_LE(c, 0xFFFFFF);
        }
    }
}

} // namespace
} // namespace sv

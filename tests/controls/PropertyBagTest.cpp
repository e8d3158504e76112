#include "controls/PropertyBag.h"

#include <gtest/gtest.h>

namespace sv {
namespace {

TEST(PropertyBag, ValuesEqualToTheirAbsentDefaultAreNotWritten) {
    PropertyBag bag;
    bag.writeInt("Max", 255, 255);
    bag.writeBool("Segmented", true, true);
    EXPECT_TRUE(bag.values().empty());
    bag.writeBool("Segmented", false, true);
    EXPECT_EQ(bag.read("Segmented", "x"), "0");
    // Writing the default again removes an earlier value.
    bag.writeBool("Segmented", true, true);
    EXPECT_FALSE(bag.contains("Segmented"));
}

TEST(PropertyBag, MissingOrUnreadableKeysGiveTheAbsentDefault) {
    PropertyBag bag;
    EXPECT_EQ(bag.readInt("Value", 7), 7);
    EXPECT_TRUE(bag.readBool("UseGradient", true));
    bag.write("Value", "garbage", "");
    EXPECT_EQ(bag.readInt("Value", 7), 7);
    bag.writeInt("Value", -12, 0);
    EXPECT_EQ(bag.readInt("Value", 0), -12);
}

} // namespace
} // namespace sv

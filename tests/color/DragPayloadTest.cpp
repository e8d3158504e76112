// Colours and numbers carried by drags, as this program writes them and as other programs may.

#include "color/DragPayload.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace sv {
namespace {

std::string words(std::uint16_t r, std::uint16_t g, std::uint16_t b, std::uint16_t a) {
    const std::uint16_t w[4] = {r, g, b, a};
    return std::string(reinterpret_cast<const char*>(w), sizeof w);
}

TEST(DragPayload, EveryColourGoesThereAndBack) {
    for (int r = 0; r < 256; r += 15) {
        for (int g = 0; g < 256; g += 17) {
            for (int b = 0; b < 256; b += 51) {
                EXPECT_EQ(readColorPayload(colorPayload(rgb(r, g, b))), rgb(r, g, b));
            }
        }
    }
}

TEST(DragPayload, ColoursFromOtherProgramsRoundToTheNearestByte) {
    // Written through floating point, 1.0 × 0xFFFF and 0.2 × 0xFFFF land a little low.
    EXPECT_EQ(readColorPayload(words(65535, 13106, 0, 65535)), rgb(255, 51, 0));
    EXPECT_EQ(readColorPayload(words(128, 127, 32896, 0)), rgb(0, 0, 128));
}

TEST(DragPayload, MalformedPayloadsAreRefused) {
    for (const std::string& bad : {std::string(), std::string(1, '\1'), std::string(7, '\0'),
                                   std::string(9, '\0'), std::string(100, 'x')}) {
        EXPECT_EQ(readColorPayload(bad), std::nullopt) << bad.size();
    }
    EXPECT_EQ(readNumberPayload("5", 1, 256), 5);
    EXPECT_EQ(readNumberPayload("256", 1, 256), 256);
    for (const char* bad :
         {"", "0", "257", "-1", " 5", "5 ", "5x", "+5", "0x10", "080", "99999999999999999999"}) {
        EXPECT_EQ(readNumberPayload(bad, 1, 256), std::nullopt) << bad;
    }
}

} // namespace
} // namespace sv

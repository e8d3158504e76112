#include "palette/RiffPalette.h"
#include "palette/Palette.h"
#include "palette/PaletteFormats.h"
#include "palette/PaletteText.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace sv {
namespace {

void put32(std::string& s, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        s.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    }
}

// A RIFF palette of the given colours; the count and the data chunk's size may lie.
std::string riff(const std::vector<ColorValue>& colours, int count = -1, int dataSize = -1,
                 const std::string& before = "") {
    std::string data("\x00\x03", 2); // version
    const auto n = static_cast<std::uint32_t>(count < 0 ? colours.size() : count);
    data.push_back(static_cast<char>(n & 0xFF));
    data.push_back(static_cast<char>(n >> 8));
    for (ColorValue c : colours) {
        const Components k = splitColor(c);
        data +=
            {static_cast<char>(k.red), static_cast<char>(k.green), static_cast<char>(k.blue), 0};
    }
    std::string body = "PAL " + before + "data";
    put32(body, static_cast<std::uint32_t>(dataSize < 0 ? data.size() : dataSize));
    body += data;
    std::string out = "RIFF";
    put32(out, static_cast<std::uint32_t>(body.size()));
    return out + body;
}

const std::vector<ColorValue> kColours{rgb(255, 0, 0), rgb(1, 2, 3), kWhite, kBlack};

TEST(RiffPalette, ReadsLikeTheJascPalFileOfTheSameColours) {
    Palette fromRiff;
    Palette fromJasc;
    fromRiff.setColor(200, rgb(9, 9, 9));
    fromJasc.setColor(200, rgb(9, 9, 9));
    const auto riffRead = readPaletteFile(riff(kColours), fromRiff);
    const auto jascRead = readPaletteFile(
        "JASC-PAL\r\n0100\r\n4\r\n255 0 0\r\n1 2 3\r\n255 255 255\r\n0 0 0\r\n", fromJasc);
    EXPECT_EQ(fromRiff, fromJasc);
    EXPECT_EQ(riffRead.written, jascRead.written);
    // Other chunks before the data, one of odd size and so padded, are passed over.
    std::string list = "LIST";
    put32(list, 3);
    list += "abc";
    list.push_back('\0');
    EXPECT_EQ(readRiffPalette(riff(kColours, -1, -1, list)), kColours);
}

TEST(RiffPalette, BadSizesNeverReadPastTheData) {
    // A count larger than the data, a chunk that claims more than the file: what is there.
    EXPECT_EQ(readRiffPalette(riff(kColours, 1000)), kColours);
    EXPECT_EQ(readRiffPalette(riff(kColours, -1, 100000)), kColours);
    std::string cut = riff(kColours);
    cut.resize(cut.size() - 3); // the last colour cut short
    EXPECT_EQ(readRiffPalette(cut), std::vector<ColorValue>(kColours.begin(), kColours.end() - 1));
    // At most 256 colours.
    EXPECT_EQ(readRiffPalette(riff(std::vector<ColorValue>(300, kWhite))).size(), 256u);
    // Nothing usable: no palette.
    for (const std::string& bad :
         {riff(kColours, 0), riff({}), riff(kColours, -1, 2), std::string("RIFF\4\0\0\0PAL "),
          std::string("RIFF\0\0\0\0WAVEdata"), std::string("RIFF")}) {
        Palette p;
        EXPECT_TRUE(readPaletteFile(bad, p).written.none());
        EXPECT_EQ(p, Palette());
    }
}

TEST(PaletteFile, TextWithoutAColourLineIsNoPalette) {
    for (const std::string& text : {std::string(), std::string("JASC-PAL\r\n0100\r\n256\r\n"),
                                    std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)}) {
        Palette p;
        EXPECT_TRUE(readPaletteFile(text, p).written.none());
    }
}

} // namespace
} // namespace sv

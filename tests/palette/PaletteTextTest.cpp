#include "palette/PaletteText.h"
#include "palette/TakeToken.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

namespace sv {
namespace {

std::string colourLines(int count, const std::string& line, const std::string& end = "\r\n") {
    std::string out;
    for (int i = 0; i < count; ++i) {
        out += line + end;
    }
    return out;
}

Palette filledWith(ColorValue c) {
    Palette p;
    for (int i = 1; i <= Palette::kSize; ++i) {
        p.setColor(i, c);
    }
    return p;
}

// ---- takeToken -----------------------------------------------------------------------------

TEST(TakeToken, OnePiecePerCallTheLastRepeatedAndCaseAsAsked) {
    std::string text = "10 20  30";
    EXPECT_EQ(takeToken(text, " ", CompareMode::Binary), "10");
    EXPECT_EQ(takeToken(text, " ", CompareMode::Binary), "20");
    EXPECT_EQ(takeToken(text, " ", CompareMode::Binary), ""); // two blanks: an empty piece
    EXPECT_EQ(takeToken(text, " ", CompareMode::Binary), "30");
    EXPECT_EQ(takeToken(text, " ", CompareMode::Binary), "30");
    EXPECT_EQ(text, "30");
    std::string noSeparator = "abc";
    EXPECT_EQ(takeToken(noSeparator, "", CompareMode::Binary), "");
    EXPECT_EQ(noSeparator, "abc");
    std::string a = "oneANDtwo";
    EXPECT_EQ(takeToken(a, "and", CompareMode::Binary), "oneANDtwo");
    EXPECT_EQ(takeToken(a, "and", CompareMode::Text), "one");
    EXPECT_EQ(a, "two");
}

// ---- Writer --------------------------------------------------------------------------------

TEST(PaletteWriter, Writes259CrLfLinesWithEmptySwatchesAsButtonFace) {
    Palette p;
    p.setColor(1, rgb(255, 153, 0));
    p.setColor(2, kBlack);
    p.setColor(256, kWhite);
    const std::string text = writePaletteText(p);

    // The header other programs check: "JASC-PAL", then the version "0100", then the count.
    EXPECT_EQ(text.rfind("JASC-PAL\r\n0100\r\n256\r\n255 153 0\r\n0 0 0\r\n-241 0 0\r\n", 0), 0u);
    Palette back;
    EXPECT_TRUE(readPaletteText(text, back).written.all());
    EXPECT_EQ(back, p);
    // A file written before, with the older header, reads the same.
    Palette old;
    std::string older = text;
    older.replace(0, std::string("JASC-PAL\r\n0100").size(), "JASC -PAL\r\n100");
    EXPECT_TRUE(readPaletteText(older, old).written.all());
    EXPECT_EQ(old, p);
    EXPECT_EQ(text.substr(text.size() - 15), "\r\n255 255 255\r\n");
    std::size_t crlf = 0;
    for (std::size_t pos = text.find("\r\n"); pos != std::string::npos;
         pos = text.find("\r\n", pos + 2)) {
        ++crlf;
    }
    EXPECT_EQ(crlf, 259u);
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1); // no bare LF anywhere before the first
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 259);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 259);
}

// ---- Reader --------------------------------------------------------------------------------

TEST(PaletteReader, NegativeComponentEmptiesAndLargeOnesCountAs255) {
    Palette p = filledWith(kWhite);
    const PaletteReadResult r =
        readPaletteText("h1\r\nh2\r\nh3\r\n300 20 -5\r\n300 20 5\r\n-0 0 0\r\n", p);
    EXPECT_TRUE(p.isEmpty(1));
    EXPECT_FALSE(p.isEmpty(2));
    EXPECT_EQ(p.color(2), rgb(255, 20, 5));
    EXPECT_EQ(p.color(3), kBlack); // minus zero is zero, not negative
    EXPECT_EQ(p.color(4), kWhite); // no line: unchanged
    EXPECT_EQ(r.lines, 6);
    EXPECT_EQ(r.written.count(), 3u);
}

TEST(PaletteReader, HeadersAreSkippedUnreadAndOnlyTheLinesTheTextHasCount) {
    for (const std::string header : {"x\r\ny\r\nz\r\n", "255 0 0\r\n1 2 3\r\n\x01\xff\r\n"}) {
        Palette p = filledWith(rgb(4, 5, 6));
        readPaletteText(header + colourLines(100, "-241 0 0"), p);
        EXPECT_TRUE(p.isEmpty(100));
        EXPECT_EQ(p.color(101), rgb(4, 5, 6));
    }
    Palette p;
    const PaletteReadResult r = readPaletteText("a\r\nb\r\nc\r\n" + colourLines(300, "9 8 7"), p);
    EXPECT_EQ(r.lines, 259);
    EXPECT_EQ(p, filledWith(rgb(9, 8, 7)));
}

TEST(PaletteReader, CrLfAndCrLfLineEndsReadAlike) {
    Palette expected;
    expected.setColor(1, rgb(10, 20, 30));
    expected.setColor(2, rgb(40, 50, 60));
    for (const std::string end : {"\r\n", "\n", "\r"}) {
        Palette p;
        const std::string text = "a" + end + "b" + end + "c" + end + "10 20 30" + end + "40 50 60";
        const PaletteReadResult r = readPaletteText(text, p);
        EXPECT_EQ(p, expected) << "line end " << end.size();
        EXPECT_EQ(r.lines, 5);
    }
}

TEST(PaletteReader, LinesThatAreNotThreeNumbersLeaveTheirSwatch) {
    Palette p = filledWith(kWhite);
    readPaletteText("a\nb\nc\n"
                    "red 0 0\n"       // 1: not a number
                    "1 2\n"           // 2: the third call repeats "2": a valid line
                    "1 2 3 4\n"       // 3: what follows the third piece is not read
                    "40000 0 0\n"     // 4: beyond 16 bits
                    "1\t2\t3\n"       // 5: tabs are not separators
                    "  5 6 7\n"       // 6: leading blank gives an empty piece
                    "12.5 13.5 0.4\n" // 7: decimals are rounded, halves to even
                    "1 2 3 \n"        // 8: a trailing blank is allowed
                    "\n",             // 9: empty
                    p);
    EXPECT_EQ(p.color(1), kWhite);
    EXPECT_EQ(p.color(2), rgb(1, 2, 2));
    EXPECT_EQ(p.color(3), rgb(1, 2, 3));
    EXPECT_EQ(p.color(4), kWhite);
    EXPECT_EQ(p.color(5), kWhite);
    EXPECT_EQ(p.color(6), kWhite);
    EXPECT_EQ(p.color(7), rgb(12, 14, 0));
    EXPECT_EQ(p.color(8), rgb(1, 2, 3));
    EXPECT_EQ(p.color(9), kWhite);
}

TEST(PaletteReader, ALineTooLongToBeAColourLineLeavesItsSwatch) {
    Palette q = filledWith(kWhite);
    readPaletteText("a\nb\nc\n1 2 3" + std::string(kMaxPaletteLineLength, ' ') + "\n4 5 6\n", q);
    EXPECT_EQ(q.color(1), kWhite);
    EXPECT_EQ(q.color(2), rgb(4, 5, 6));
}

// ---- The built-in palette ------------------------------------------------------------------

std::string readStandardFile() {
    std::ifstream in(SV_STANDARD_PAL, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(BuiltInPalette, IsAPaletteAsTheProgramWritesThem) {
    const std::string text = readStandardFile();
    ASSERT_EQ(text.size(), 2842u);
    Palette p;
    const PaletteReadResult r = readPaletteText(text, p);
    EXPECT_TRUE(r.written.all());
    EXPECT_EQ(p.color(1), kWhite);
    EXPECT_EQ(p.color(2), kBlack);
    EXPECT_EQ(p.color(7), rgb(255, 0, 0));
    EXPECT_EQ(p.color(241), rgb(0, 0, 1));
    // The program writes the same bytes back: the resource is a palette as we save them.
    EXPECT_EQ(writePaletteText(p), text);
}

} // namespace
} // namespace sv

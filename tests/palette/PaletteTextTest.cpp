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

TEST(takeToken, SplitsOnePiecePerCallAndRepeatsTheLast) {
    std::string text = "10 20 30";
    EXPECT_EQ(takeToken(text, " ", CompareMode::Text), "10");
    EXPECT_EQ(text, "20 30");
    EXPECT_EQ(takeToken(text, " ", CompareMode::Text), "20");
    EXPECT_EQ(takeToken(text, " ", CompareMode::Text), "30");
    EXPECT_EQ(text, "30");
    EXPECT_EQ(takeToken(text, " ", CompareMode::Text), "30");
    EXPECT_EQ(text, "30");
}

TEST(takeToken, EdgeCases) {
    std::string text = "a  b";
    EXPECT_EQ(takeToken(text, " ", CompareMode::Binary), "a");
    EXPECT_EQ(takeToken(text, " ", CompareMode::Binary), ""); // two blanks: an empty piece
    EXPECT_EQ(text, "b");

    std::string empty;
    EXPECT_EQ(takeToken(empty, " ", CompareMode::Binary), "");
    EXPECT_EQ(empty, "");

    std::string noSep = "abc";
    EXPECT_EQ(takeToken(noSep, "", CompareMode::Binary), "");
    EXPECT_EQ(noSep, "abc");

    std::string multi = "redXYgreenxyblue";
    EXPECT_EQ(takeToken(multi, "xy", CompareMode::Binary), "redXYgreen");
    EXPECT_EQ(multi, "blue");
}

TEST(takeToken, TextModeIgnoresCaseBinaryModeDoesNot) {
    std::string a = "oneANDtwo";
    EXPECT_EQ(takeToken(a, "and", CompareMode::Text), "one");
    EXPECT_EQ(a, "two");
    std::string b = "oneANDtwo";
    EXPECT_EQ(takeToken(b, "and", CompareMode::Binary), "oneANDtwo");
    EXPECT_EQ(b, "oneANDtwo");
}

// ---- Writer --------------------------------------------------------------------------------

TEST(PaletteWriter, Writes259CrLfLinesWithEmptySwatchesAsButtonFace) {
    Palette p;
    p.setColor(1, rgb(255, 153, 0));
    p.setColor(2, kBlack);
    p.setColor(256, kWhite);
    const std::string text = writePaletteText(p);

    EXPECT_EQ(text.rfind("JASC -PAL\r\n100\r\n256\r\n255 153 0\r\n0 0 0\r\n-241 0 0\r\n", 0), 0u);
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

TEST(PaletteWriter, EveryComponentValueSurvivesARoundTrip) {
    // All 256 values of each component, spread over the swatches, with every third empty.
    for (int shift : {0, 8, 16}) {
        Palette p;
        for (int i = 1; i <= Palette::kSize; ++i) {
            if (i % 3 == 0) {
                p.emptySwatches(i);
            } else {
                p.setColor(i, ((i - 1) << shift) | 0x010101);
            }
        }
        Palette back = filledWith(rgb(1, 2, 3));
        const PaletteReadResult r = readPaletteText(writePaletteText(p), back);
        EXPECT_EQ(back, p) << "shift " << shift;
        EXPECT_EQ(r.lines, 259);
        EXPECT_TRUE(r.written.all());
    }
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

TEST(PaletteReader, HeaderLinesAreNotLookedAt) {
    for (const std::string header : {"JASC -PAL\r\n100\r\n256\r\n", "x\r\ny\r\nz\r\n",
                                     "\r\n\r\n\r\n", "255 0 0\r\n1 2 3\r\n\x01\xff\r\n"}) {
        Palette p;
        readPaletteText(header + "1 2 3\r\n", p);
        EXPECT_EQ(p.color(1), rgb(1, 2, 3));
        EXPECT_TRUE(p.isEmpty(2));
    }
}

TEST(PaletteReader, LinesAfterThe256thColourAreIgnored) {
    Palette p;
    const std::string text =
        "JASC -PAL\r\n100\r\n256\r\n" + colourLines(256, "9 8 7") + colourLines(50, "1 1 1");
    const PaletteReadResult r = readPaletteText(text, p);
    EXPECT_EQ(r.lines, 259);
    for (int i = 1; i <= Palette::kSize; ++i) {
        ASSERT_EQ(p.color(i), rgb(9, 8, 7)) << i;
    }
}

TEST(PaletteReader, MissingLinesLeaveSwatchesUnchanged) {
    Palette p = filledWith(rgb(4, 5, 6));
    readPaletteText("JASC -PAL\r\n100\r\n256\r\n" + colourLines(100, "-241 0 0"), p);
    for (int i = 1; i <= 100; ++i) {
        ASSERT_TRUE(p.isEmpty(i)) << i;
    }
    for (int i = 101; i <= Palette::kSize; ++i) {
        ASSERT_EQ(p.color(i), rgb(4, 5, 6)) << i;
    }
    Palette q = filledWith(rgb(4, 5, 6));
    readPaletteText("JASC -PAL\r\n100\r\n", q);
    EXPECT_EQ(q, filledWith(rgb(4, 5, 6)));
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
    // A blank line between two colour lines is a line of its own.
    Palette p;
    readPaletteText("a\nb\nc\n\n1 1 1\n", p);
    EXPECT_TRUE(p.isEmpty(1));
    EXPECT_EQ(p.color(2), rgb(1, 1, 1));
}

TEST(PaletteReader, JascPalFromOtherPrograms) {
    // The usual header without the blank, a four-digit version, 16 colours, LF line ends.
    Palette p = filledWith(kWhite);
    std::string text = "JASC-PAL\n0100\n16\n";
    for (int i = 0; i < 16; ++i) {
        text += std::to_string(i * 16) + " " + std::to_string(255 - i) + " 7\n";
    }
    readPaletteText(text, p);
    for (int i = 1; i <= 16; ++i) {
        EXPECT_EQ(p.color(i), rgb((i - 1) * 16, 256 - i, 7)) << i;
    }
    EXPECT_EQ(p.color(17), kWhite);
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

TEST(PaletteReader, OverlongAndBinaryInputStopsCleanly) {
    Palette p = filledWith(kWhite);
    std::string junk(kMaxPaletteBytes * 4, '\0');
    for (std::size_t i = 0; i < junk.size(); ++i) {
        junk[i] = static_cast<char>((i * 7919) % 251);
    }
    const PaletteReadResult r = readPaletteText(junk, p);
    EXPECT_LE(r.lines, 259);
    for (int i = 1; i <= Palette::kSize; ++i) {
        ASSERT_TRUE(p.isEmpty(i) || (p.color(i) >= 0 && p.color(i) <= 0xFFFFFF));
    }
    // A line too long to be a colour line leaves its swatch.
    Palette q = filledWith(kWhite);
    readPaletteText("a\nb\nc\n1 2 3" + std::string(kMaxPaletteLineLength, ' ') + "\n4 5 6\n", q);
    EXPECT_EQ(q.color(1), kWhite);
    EXPECT_EQ(q.color(2), rgb(4, 5, 6));
}

// ---- The built-in palette ------------------------------------------------------------------

// Swatches 1 .. 256 of the built-in palette.
constexpr int kStandard[256][3] = {
    {255, 255, 255}, {0, 0, 0},       {102, 102, 102}, {153, 153, 153}, {204, 204, 204},
    {255, 255, 255}, {255, 0, 0},     {0, 255, 0},     {0, 0, 255},     {255, 255, 0},
    {0, 255, 255},   {0, 0, 153},     {153, 0, 0},     {153, 0, 255},   {0, 153, 0},
    {0, 153, 255},   {255, 255, 153}, {250, 255, 9},   {249, 224, 8},   {246, 209, 13},
    {241, 178, 21},  {238, 162, 25},  {232, 132, 33},  {229, 116, 38},  {223, 85, 46},
    {223, 85, 46},   {215, 39, 59},   {212, 24, 63},   {229, 29, 29},   {179, 0, 0},
    {155, 0, 0},     {131, 0, 0},     {39, 7, 7},      {51, 11, 11},    {67, 19, 15},
    {79, 23, 19},    {95, 31, 23},    {111, 43, 31},   {123, 51, 35},   {139, 63, 43},
    {151, 75, 51},   {167, 87, 59},   {183, 103, 67},  {195, 115, 75},  {211, 131, 83},
    {223, 143, 91},  {239, 163, 103}, {255, 179, 115}, {0, 63, 63},     {0, 73, 73},
    {0, 83, 83},     {0, 93, 93},     {0, 104, 104},   {0, 124, 124},   {0, 134, 134},
    {0, 145, 145},   {0, 165, 165},   {0, 165, 165},   {0, 165, 165},   {0, 175, 175},
    {0, 186, 186},   {0, 196, 196},   {0, 206, 206},   {0, 227, 227},   {31, 115, 31},
    {29, 123, 29},   {27, 132, 27},   {25, 141, 25},   {23, 150, 23},   {19, 167, 19},
    {19, 167, 19},   {17, 176, 17},   {15, 185, 15},   {13, 193, 13},   {11, 202, 11},
    {9, 211, 9},     {7, 220, 7},     {5, 228, 5},     {3, 237, 3},     {0, 255, 0},
    {0, 27, 0},      {0, 39, 0},      {0, 55, 0},      {0, 67, 0},      {0, 83, 0},
    {0, 95, 0},      {0, 111, 0},     {0, 127, 0},     {15, 139, 11},   {35, 155, 31},
    {55, 171, 51},   {83, 183, 75},   {107, 199, 103}, {139, 211, 131}, {171, 227, 167},
    {207, 243, 203}, {7, 31, 0},      {11, 43, 0},     {19, 59, 7},     {27, 75, 11},
    {35, 91, 19},    {47, 103, 27},   {59, 119, 39},   {71, 135, 51},   {87, 147, 67},
    {103, 163, 83},  {119, 179, 103}, {139, 195, 119}, {159, 207, 143}, {179, 223, 167},
    {203, 239, 191}, {227, 255, 219}, {75, 35, 7},     {87, 43, 7},     {103, 55, 7},
    {119, 71, 7},    {135, 83, 7},    {147, 99, 7},    {163, 115, 7},   {179, 135, 7},
    {195, 155, 7},   {207, 179, 7},   {223, 203, 0},   {239, 227, 0},   {255, 243, 0},
    {255, 255, 67},  {255, 255, 135}, {255, 255, 203}, {59, 7, 0},      {75, 11, 0},
    {95, 23, 0},     {115, 31, 0},    {135, 47, 0},    {155, 59, 0},    {175, 79, 0},
    {195, 87, 0},    {215, 91, 0},    {235, 99, 0},    {251, 103, 0},   {255, 127, 35},
    {255, 151, 71},  {255, 175, 111}, {255, 195, 147}, {255, 219, 187}, {35, 0, 0},
    {59, 0, 0},      {83, 0, 0},      {83, 0, 0},      {131, 0, 0},     {155, 0, 0},
    {179, 0, 0},     {203, 0, 0},     {231, 0, 0},     {254, 0, 0},     {255, 35, 35},
    {255, 75, 75},   {255, 115, 115}, {255, 151, 151}, {255, 191, 191}, {255, 231, 231},
    {47, 0, 47},     {59, 0, 59},     {71, 7, 75},     {87, 11, 87},    {99, 23, 99},
    {111, 31, 115},  {123, 43, 127},  {139, 55, 143},  {151, 71, 155},  {163, 87, 171},
    {179, 103, 183}, {191, 123, 199}, {207, 143, 211}, {219, 167, 227}, {235, 191, 239},
    {251, 219, 255}, {7, 7, 15},      {15, 15, 35},    {23, 23, 55},    {35, 35, 75},
    {43, 43, 95},    {51, 51, 115},   {59, 59, 139},   {71, 71, 147},   {83, 83, 159},
    {99, 99, 171},   {115, 115, 183}, {135, 135, 195}, {155, 155, 203}, {175, 175, 215},
    {195, 195, 227}, {219, 219, 239}, {7, 15, 27},     {11, 27, 51},    {19, 43, 75},
    {27, 55, 103},   {35, 67, 127},   {43, 83, 151},   {51, 95, 179},   {59, 107, 203},
    {67, 119, 231},  {87, 135, 231},  {107, 151, 235}, {127, 167, 239}, {151, 183, 239},
    {171, 199, 243}, {195, 215, 247}, {219, 231, 251}, {11, 23, 31},    {19, 39, 51},
    {27, 55, 75},    {35, 71, 95},    {43, 87, 119},   {51, 107, 139},  {59, 123, 163},
    {67, 139, 183},  {75, 159, 207},  {83, 175, 227},  {111, 195, 239}, {147, 215, 251},
    {167, 223, 251}, {187, 227, 251}, {207, 235, 251}, {227, 243, 251}, {107, 0, 0},
    {115, 14, 14},   {123, 29, 29},   {131, 44, 44},   {139, 58, 58},   {147, 73, 73},
    {155, 88, 88},   {163, 102, 102}, {171, 117, 117}, {179, 132, 132}, {187, 146, 146},
    {195, 161, 161}, {203, 176, 176}, {211, 190, 190}, {219, 205, 205}, {235, 235, 235},
    {0, 0, 1},       {15, 15, 15},    {31, 31, 31},    {51, 51, 51},    {67, 67, 67},
    {83, 83, 83},    {99, 99, 99},    {119, 119, 119}, {135, 135, 135}, {151, 151, 151},
    {167, 167, 167}, {187, 187, 187}, {203, 203, 203}, {219, 219, 219}, {235, 235, 235},
    {255, 255, 255}};

std::string readStandardFile() {
    std::ifstream in(SV_STANDARD_PAL, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(BuiltInPalette, IsTheWrittenFormOfTheTable) {
    const std::string text = readStandardFile();
    ASSERT_EQ(text.size(), 2842u);
    Palette p;
    const PaletteReadResult r = readPaletteText(text, p);
    EXPECT_TRUE(r.written.all());
    for (int i = 1; i <= Palette::kSize; ++i) {
        const auto& c = kStandard[i - 1];
        ASSERT_EQ(p.color(i), rgb(c[0], c[1], c[2])) << "swatch " << i;
    }
    EXPECT_EQ(p.color(1), kWhite);
    EXPECT_EQ(p.color(2), kBlack);
    EXPECT_EQ(p.color(7), rgb(255, 0, 0));
    EXPECT_EQ(p.color(241), rgb(0, 0, 1));
    // The program writes the same bytes back: the resource is a palette as we save them.
    EXPECT_EQ(writePaletteText(p), text);
}

} // namespace
} // namespace sv

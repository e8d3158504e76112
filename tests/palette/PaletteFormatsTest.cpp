// GIMP, Adobe swatch exchange and CSS palettes: files as those programs write them read into
// swatches, our files read back unchanged, and the content, not the name, decides the kind.

#include "palette/PaletteFormats.h"
#include "palette/AdobeSwatches.h"
#include "palette/GimpPalette.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <initializer_list>
#include <string>

namespace sv {
namespace {

// A swatch exchange file built byte by byte, as Adobe's tools lay it out.
class AseBuilder {
public:
    AseBuilder& group(const std::u16string& name) { return block(0xC001, nameField(name)); }
    AseBuilder& endGroup() { return block(0xC002, {}); }
    AseBuilder& color(const std::u16string& name, const char* model, std::initializer_list<float> v,
                      std::uint16_t type = 2) {
        std::string payload = nameField(name) + model;
        for (const float f : v) {
            put32(payload, std::bit_cast<std::uint32_t>(f));
        }
        put16(payload, type);
        return block(0x0001, payload);
    }
    std::string bytes() const {
        std::string out = "ASEF";
        put16(out, 1);
        put16(out, 0);
        put32(out, count_);
        return out + blocks_;
    }

private:
    static void put16(std::string& s, std::uint32_t v) {
        s += char((v >> 8) & 0xFF);
        s += char(v & 0xFF);
    }
    static void put32(std::string& s, std::uint32_t v) {
        put16(s, v >> 16);
        put16(s, v & 0xFFFF);
    }
    static std::string nameField(const std::u16string& name) {
        std::string s;
        put16(s, std::uint32_t(name.size() + 1));
        for (const char16_t c : name) {
            put16(s, c);
        }
        put16(s, 0);
        return s;
    }
    AseBuilder& block(std::uint16_t type, const std::string& payload) {
        put16(blocks_, type);
        put32(blocks_, std::uint32_t(payload.size()));
        blocks_ += payload;
        ++count_;
        return *this;
    }
    std::string blocks_;
    std::uint32_t count_ = 0;
};

Palette someSwatches() {
    Palette p;
    p.setColor(1, rgb(255, 255, 255));
    p.setColor(2, rgb(10, 90, 90));
    p.setColor(5, rgb(0, 0, 1));
    return p; // 253 empty
}

TEST(GimpPaletteTest, ReadsWhatGimpAndOthersWrite) {
    const std::string file = "\xEF\xBB\xBFGIMP Palette\r\n"
                             "Name: Web basics\r\n"
                             "Columns: 4\r\n"
                             "#\r\n"
                             "# a comment\r\n"
                             "  0   0   0\tBlack\r\n"
                             "\r\n"
                             "255 255 255 White as snow\r\n"
                             " 10  90  90\n";
    const PaletteColors read = readGimpPalette(file);
    EXPECT_EQ(read.colors, (std::vector<ColorValue>{kBlack, kWhite, rgb(10, 90, 90)}));
    EXPECT_EQ(read.total, 3);
}

TEST(GimpPaletteTest, WhatGimpLoadsIsLoadedAndTheLinesItWarnsAboutAreCounted) {
    // GIMP warns about these lines and loads the rest; the numbers are read as far as they
    // are whole numbers and held within 0 .. 255.
    const PaletteColors read = readGimpPalette("GIMP Palette\n"
                                               "Name: Mixed\n"
                                               "1 2 3 first\n"
                                               "nonsense\n"
                                               "1 2\n"
                                               "1 2 256\n"
                                               "-3 2 99999999999999999999 big\n"
                                               "10.5 2x +7\n"
                                               "\n"
                                               "# a comment\n"
                                               "4 5 6\n");
    EXPECT_EQ(read.colors, (std::vector<ColorValue>{rgb(1, 2, 3), rgb(1, 2, 255), rgb(0, 2, 255),
                                                    rgb(10, 2, 7), rgb(4, 5, 6)}));
    EXPECT_EQ(read.total, 5);
    EXPECT_EQ(read.skippedLines, 2);

    for (const char* file : {"GIMP Palettes\n1 2 3\n", "JASC-PAL\n0100\n1\n1 2 3\n"}) {
        EXPECT_TRUE(readGimpPalette(file).colors.empty()) << file;
    }
}

TEST(GimpPaletteTest, WritesFilledSwatchesAndSaysHowManyEmptyOnesWereLeftOut) {
    EXPECT_EQ(writeGimpPalette(someSwatches(), "Brand\ncolours"),
              "GIMP Palette\n"
              "Name: Brand colours\n"
              "Columns: 16\n"
              "# Written by Spectrivue; 253 empty swatches skipped\n"
              "255 255 255\tSwatch 1\n"
              " 10  90  90\tSwatch 2\n"
              "  0   0   1\tSwatch 5\n");
}

TEST(PaletteFormatsTest, MoreThan256ColoursLoadTheFirst256AndCountTheRest) {
    std::string gpl = "GIMP Palette\n";
    AseBuilder ase;
    ase.group(u"Many");
    for (int i = 0; i < 300; ++i) {
        gpl += std::to_string(i % 256) + " 0 0\n";
        ase.color(u"c", "Gray", {float(i % 256) / 255.0f});
    }
    ase.endGroup();
    for (const std::string& bytes : {gpl, ase.bytes()}) {
        Palette p;
        const PaletteReadResult read = readPaletteFile(bytes, p);
        EXPECT_TRUE(read.written.all());
        EXPECT_EQ(read.colorsInFile, 300);
        EXPECT_EQ(splitColor(p.color(256)).red, 255);
    }
}

TEST(AdobeSwatchesTest, ReadsEveryColourModelInAndOutOfGroups) {
    const std::string file = AseBuilder()
                                 .color(u"Red", "RGB ", {1.0f, 0.0f, 0.0f}, 0)
                                 .group(u"Brand \u00e9")
                                 .color(u"Teal", "RGB ", {10 / 255.0f, 90 / 255.0f, 90 / 255.0f})
                                 .color(u"Grey", "Gray", {0.5f}, 1)
                                 .color(u"Ink", "CMYK", {0.0f, 1.0f, 1.0f, 0.0f})
                                 .color(u"Half black", "CMYK", {0.0f, 0.0f, 0.0f, 0.5f})
                                 .color(u"Lab grey", "LAB ", {0.5f, 0.0f, 0.0f})
                                 .color(u"Too bright", "RGB ", {2.0f, -1.0f, 0.5f})
                                 .endGroup()
                                 .bytes();
    const PaletteColors read = readAdobeSwatches(file);
    EXPECT_EQ(read.colors, (std::vector<ColorValue>{
                               rgb(255, 0, 0), rgb(10, 90, 90), rgb(128, 128, 128), rgb(255, 0, 0),
                               rgb(128, 128, 128), rgb(119, 119, 119), rgb(255, 0, 128)}));
}

TEST(AdobeSwatchesTest, LabAndCmykConvertByTheStatedFormulas) {
    EXPECT_EQ(labD50ToColor(100, 0, 0), kWhite);
    EXPECT_EQ(labD50ToColor(0, 0, 0), kBlack);
    EXPECT_EQ(labD50ToColor(50, 0, 0), rgb(119, 119, 119));
    // sRGB's primaries as CSS Color 4 gives them in lab() (D50).
    EXPECT_EQ(labD50ToColor(54.2905, 80.8049, 69.891), rgb(255, 0, 0));
    EXPECT_EQ(labD50ToColor(87.8185, -79.2711, 80.9946), rgb(0, 255, 0));
    EXPECT_EQ(labD50ToColor(29.5683, 68.2874, -112.0294), rgb(0, 0, 255));
    EXPECT_EQ(labD50ToColor(50, 200, 0), rgb(255, 0, 133)); // far outside sRGB: clamped
    EXPECT_EQ(cmykToColor(0, 0, 0, 0), kWhite);
    EXPECT_EQ(cmykToColor(0.2, 0.4, 0.6, 0.5), rgb(102, 77, 51));
    EXPECT_EQ(cmykToColor(3, -1, 0, 0), rgb(0, 255, 255));
}

TEST(AdobeSwatchesTest, AFileCutShortYieldsTheEntriesBeforeTheCut) {
    const std::string whole = AseBuilder()
                                  .color(u"A", "RGB ", {0.0f, 0.0f, 1.0f})
                                  .color(u"B", "RGB ", {1.0f, 0.0f, 0.0f})
                                  .bytes();
    for (std::size_t cut = whole.size(); cut-- > 12;) {
        const PaletteColors read = readAdobeSwatches(whole.substr(0, cut));
        ASSERT_LE(read.colors.size(), 1u);
        if (!read.colors.empty()) {
            EXPECT_EQ(read.colors[0], rgb(0, 0, 255));
        }
    }
    EXPECT_TRUE(readAdobeSwatches("ASEF").colors.empty());
    EXPECT_TRUE(readAdobeSwatches(std::string("ASEF\0\2\0\0\0\0\0\0", 12)).colors.empty());
}

TEST(PaletteFormatsTest, OurFilesReadBackAsTheyWereWritten) {
    Palette full;
    for (int i = 1; i <= Palette::kSize; ++i) {
        full.setColor(i, rgb(i - 1, (i * 37) % 256, 255 - (i - 1)));
    }
    for (const Palette& palette : {full, someSwatches()}) {
        for (const PaletteFormat format : {PaletteFormat::Gimp, PaletteFormat::AdobeSwatches}) {
            Palette back;
            const PaletteReadResult read = readPaletteFile(
                writePaletteAs(palette, format, "Mine \xC3\xA9\xF0\x9F\x8E\xA8"), back);
            // Empty swatches are left out, so the filled ones come back in order.
            int next = 1;
            for (int i = 1; i <= Palette::kSize; ++i) {
                if (!palette.isEmpty(i)) {
                    ASSERT_EQ(back.color(next++), palette.color(i)) << int(format) << ' ' << i;
                }
            }
            EXPECT_EQ(read.colorsInFile, next - 1);
        }
    }
    const std::string ase = writePaletteAs(someSwatches(), PaletteFormat::AdobeSwatches, "Mine");
    EXPECT_EQ(ase.substr(0, 12), std::string("ASEF\0\1\0\0\0\0\0\5", 12)); // group, 3, end
    const std::string groupName = "Mine (253 empty swatches skipped)";
    EXPECT_NE(ase.find(std::string("\0e\0m\0p\0t\0y", 10)), std::string::npos);
    EXPECT_EQ(static_cast<unsigned char>(ase[19]), groupName.size() + 1);
}

TEST(PaletteFormatsTest, CssHoldsOneCustomPropertyPerFilledSwatch) {
    EXPECT_EQ(writePaletteAs(someSwatches(), PaletteFormat::Css, "ignored"),
              "/* Written by Spectrivue; 253 empty swatches skipped */\n"
              ":root {\n"
              "  --swatch-1: #ffffff;\n"
              "  --swatch-2: #0a5a5a;\n"
              "  --swatch-5: #000001;\n"
              "}\n");
}

TEST(PaletteFormatsTest, TheNameChoosesWhatIsWrittenAndTheContentWhatIsRead) {
    EXPECT_EQ(formatForFileName("a.GPL", PaletteFormat::Jasc), PaletteFormat::Gimp);
    EXPECT_EQ(formatForFileName("a.ase", PaletteFormat::Jasc), PaletteFormat::AdobeSwatches);
    EXPECT_EQ(formatForFileName("a.css", PaletteFormat::Jasc), PaletteFormat::Css);
    EXPECT_EQ(formatForFileName("a.pal", PaletteFormat::Gimp), PaletteFormat::Jasc);
    EXPECT_EQ(formatForFileName("a.txt", PaletteFormat::Gimp), PaletteFormat::Gimp);
    EXPECT_EQ(formatForFileName("dir.gpl/a", PaletteFormat::Css), PaletteFormat::Css);

    Palette p;
    p.setColor(4, kWhite);
    // A GIMP palette saved as ".pal" reads as GIMP; swatches past its colours keep theirs.
    const PaletteReadResult read = readPaletteFile("GIMP Palette\n1 2 3\n4 5 6\n7 8 9\n", p);
    EXPECT_EQ(read.written.count(), 3u);
    EXPECT_EQ(p.color(3), rgb(7, 8, 9));
    EXPECT_EQ(p.color(4), kWhite);
    EXPECT_EQ(detectPaletteFormat(writeCssPalette(p)), PaletteFormat::Jasc);
}

} // namespace
} // namespace sv

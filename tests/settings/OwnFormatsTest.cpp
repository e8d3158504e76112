// The user's own formats in the settings file: what is written reads back exactly through the
// settings text, blanks and quotes included; a file edited by hand is read as far as it makes
// sense; other groups are never touched.

#include "settings/OwnFormats.h"
#include "settings/SettingsText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

namespace sv {
namespace {

TEST(OwnFormatsTest, WhatIsStoredReadsBackThroughTheFileText) {
    const std::vector<OwnFormat> formats{{"Tailwind", "  [{r}, {g}, {b}]  "},
                                         {"Quote \"and\" slash \\", "\"{hex}\" \\ ; = # [x]"},
                                         {"Plain", "{HEX}"}};
    SettingsMap settings{{"OPTIONS/Zoom", "2"}, {"Other/Key", "kept; = # [x]"}};
    storeOwnFormats(settings, formats);
    const SettingsMap back = readSettingsText(writeSettingsText(settings).value());
    EXPECT_EQ(readOwnFormats(back), formats);
    EXPECT_EQ(back.at("OPTIONS/Zoom"), "2");

    // Storing fewer takes the rest away.
    storeOwnFormats(settings, {formats[2]});
    EXPECT_EQ(readOwnFormats(settings), std::vector<OwnFormat>{formats[2]});
    EXPECT_EQ(settings.count("ColorFormats/Name2"), 0u);
    EXPECT_EQ(settings.at("Other/Key"), "kept; = # [x]");
}

TEST(OwnFormatsTest, AHandEditedFileIsReadAsFarAsItMakesSense) {
    const SettingsMap settings = readSettingsText("[ColorFormats]\n"
                                                  "Name1=Unquoted\n"
                                                  "Template1={r}-{g}-{b}\n"
                                                  "Name2=Broken\n"
                                                  "Template2={nope}\n"
                                                  "Name3=\"Half\n"
                                                  "Template3=\"{hex}\"\n"
                                                  "Name5=After a gap\n"
                                                  "Template5={hex}\n");
    EXPECT_EQ(readOwnFormats(settings),
              (std::vector<OwnFormat>{{"Unquoted", "{r}-{g}-{b}"}, {"\"Half", "{hex}"}}));
}

TEST(OwnFormatsTest, AFormatNeedsANameAndAUsableTemplate) {
    EXPECT_EQ(ownFormatError({"  ", "{hex}"}), "Give the format a name.");
    EXPECT_EQ(ownFormatError({"x", ""}), "The template is empty.");
    EXPECT_EQ(ownFormatError({"x", "{r"}), "A \"{\" is not closed.");
    EXPECT_EQ(ownFormatError({"x", "plain text"}), "");
    // Line breaks and other control characters would show as more than one line.
    const std::string control =
        "A name or template cannot hold line breaks, tabs or other control characters.";
    using namespace std::string_literals;
    for (const std::string& bad :
         {"a\nb"s, "a\rb"s, "a\tb"s, "a\0b"s, "a\x7f"s, "a\xc2\x85"s, "a\xe2\x80\xa8"s}) {
        EXPECT_EQ(ownFormatError({bad, "{hex}"}), control) << bad;
        EXPECT_EQ(ownFormatError({"x", bad}), control) << bad;
    }
    EXPECT_EQ(ownFormatError({"Caf\xc3\xa9 \xe2\x80\x94 \xe2\x82\xac", "{hex}"}), "");
}

std::string repeated(std::string_view piece, std::size_t times) {
    std::string out;
    for (std::size_t i = 0; i < times; ++i) {
        out += piece;
    }
    return out;
}

TEST(OwnFormatsTest, NamesAndTemplatesHaveALengthLimitWhenTypedAndWhenRead) {
    EXPECT_EQ(ownFormatError({repeated("\xc3\xa9", 64), "{hex}"}), "");
    EXPECT_EQ(ownFormatError({repeated("\xc3\xa9", 65), "{hex}"}),
              "A name can be at most 64 characters long.");
    EXPECT_EQ(ownFormatError({"x", repeated("{r}", 333) + "a"}), "");
    EXPECT_EQ(ownFormatError({"x", repeated("{r}", 333) + "ab"}),
              "A template can be at most 1000 characters long.");

    // A file edited by hand with a 300,000-character name: that format is passed over.
    SettingsMap settings;
    storeOwnFormats(settings, {{std::string(300000, 'W'), "{hex}"}, {"Short", "{hex}"}});
    EXPECT_EQ(readOwnFormats(settings), (std::vector<OwnFormat>{{"Short", "{hex}"}}));
}

TEST(OwnFormatsTest, TwoCopiesChangingTheFormatsKeepEachOthersChanges) {
    // Both copies opened their details window on an empty list; each change is applied to what
    // the file holds at that moment.
    SettingsMap file{{"OPTIONS/Zoom", "2"}};
    addOwnFormat(file, {"FromB", "{hex}"});
    addOwnFormat(file, {"FromA", "{HEX}"});
    EXPECT_EQ(readOwnFormats(file),
              (std::vector<OwnFormat>{{"FromB", "{hex}"}, {"FromA", "{HEX}"}}));
    removeOwnFormat(file, "FromB");
    EXPECT_EQ(readOwnFormats(file), (std::vector<OwnFormat>{{"FromA", "{HEX}"}}));
    // Removing what the other copy already removed changes nothing.
    removeOwnFormat(file, "FromB");
    EXPECT_EQ(readOwnFormats(file), (std::vector<OwnFormat>{{"FromA", "{HEX}"}}));
    EXPECT_EQ(file.at("OPTIONS/Zoom"), "2");

    // The same name again edits that format in its place.
    addOwnFormat(file, {"Other", "{r}"});
    addOwnFormat(file, {"FromA", "#{hex}"});
    EXPECT_EQ(readOwnFormats(file),
              (std::vector<OwnFormat>{{"FromA", "#{hex}"}, {"Other", "{r}"}}));

    // A full list takes no more.
    for (int i = 3; i <= kMaxOwnFormats + 2; ++i) {
        addOwnFormat(file, {"F" + std::to_string(i), "{g}"});
    }
    const auto full = readOwnFormats(file);
    ASSERT_EQ(full.size(), std::size_t(kMaxOwnFormats));
    EXPECT_EQ(full.back().name, "F" + std::to_string(kMaxOwnFormats));
}

TEST(OwnFormatsTest, AValueHoldingLinesCannotWriteOtherSettings) {
    // A template pasted with line breaks, as the dialog would once have taken it.
    const std::string pasted = "{hex}\n[OPTIONS]\nZoom=3\r\n\x01\"\\n";
    SettingsMap settings{{"OPTIONS/Zoom", "2"}};
    storeOwnFormats(settings, {{"Web", pasted}});
    const std::optional<std::string> text = writeSettingsText(settings);
    ASSERT_TRUE(text.has_value());
    const SettingsMap back = readSettingsText(*text);
    EXPECT_EQ(back, settings);
    EXPECT_EQ(back.at("OPTIONS/Zoom"), "2");
    EXPECT_EQ(unquoteValue(back.at("ColorFormats/Template1")), pasted);

    // Written without quotes, the same value is refused as a whole rather than written.
    settings["ColorFormats/Template1"] = pasted;
    EXPECT_FALSE(writeSettingsText(settings).has_value());
    EXPECT_FALSE(writeSettingsText({{"OPTIONS/Zoom", " 3"}}).has_value());
    EXPECT_FALSE(writeSettingsText({{"[OPTIONS]\nZoom", "3"}}).has_value());
}

// Every value goes through the writer and back as itself, or is refused whole; a quoted value
// is never refused.
TEST(OwnFormatsTest, AnyValueWrittenReadsBackAsItselfOrIsRefused) {
    constexpr std::string_view alphabet = "ab =;#[]/\\\"\n\r\t\x01\x7f\xc3\xa9 {}";
    std::uint32_t seed = 12345;
    const auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    const auto randomText = [&] {
        std::string text;
        for (std::uint32_t n = next() % 12; n > 0; --n) {
            text += alphabet[next() % alphabet.size()];
        }
        return text;
    };
    int written = 0;
    for (int round = 0; round < 20000; ++round) {
        const std::string name = (next() % 2 ? "G/" : "") + randomText();
        const std::string value = randomText();
        const SettingsMap one{{name, value}, {"OPTIONS/Zoom", "2"}};
        if (const auto text = writeSettingsText(one)) {
            ++written;
            ASSERT_EQ(readSettingsText(*text), one) << name << "=" << value;
        }
        const SettingsMap quoted{{"ColorFormats/Template1", quoteValue(value)}};
        const auto text = writeSettingsText(quoted);
        ASSERT_TRUE(text.has_value()) << value;
        ASSERT_EQ(unquoteValue(readSettingsText(*text).at("ColorFormats/Template1")), value);
    }
    EXPECT_GT(written, 1000); // the check is not passed by refusing everything
}

} // namespace
} // namespace sv

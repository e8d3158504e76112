// The user's own formats in the settings file: what is written reads back exactly through the
// settings text, blanks and quotes included; a file edited by hand is read as far as it makes
// sense; other groups are never touched.

#include "dialogs/OwnFormats.h"
#include "dialogs/SettingsText.h"

#include <gtest/gtest.h>

namespace sv {
namespace {

TEST(OwnFormatsTest, WhatIsStoredReadsBackThroughTheFileText) {
    const std::vector<OwnFormat> formats{{"Tailwind", "  [{r}, {g}, {b}]  "},
                                         {"Quote \"and\" slash \\", "\"{hex}\" \\ ; = # [x]"},
                                         {"Plain", "{HEX}"}};
    SettingsMap settings{{"OPTIONS/Zoom", "2"}, {"Other/Key", " kept "}};
    storeOwnFormats(settings, formats);
    const SettingsMap back = readSettingsText(writeSettingsText(settings));
    EXPECT_EQ(readOwnFormats(back), formats);
    EXPECT_EQ(back.at("OPTIONS/Zoom"), "2");

    // Storing fewer takes the rest away.
    storeOwnFormats(settings, {formats[2]});
    EXPECT_EQ(readOwnFormats(settings), std::vector<OwnFormat>{formats[2]});
    EXPECT_EQ(settings.count("ColorFormats/Name2"), 0u);
    EXPECT_EQ(settings.at("Other/Key"), " kept ");
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
}

} // namespace
} // namespace sv

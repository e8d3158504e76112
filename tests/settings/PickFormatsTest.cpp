#include "settings/PickFormats.h"

#include "color/ColorFormats.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

using namespace sv;

namespace {

constexpr ColorValue kTeal = 0x5A5A0A; // #0A5A5A

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        out.push_back(line);
    }
    return out;
}

} // namespace

TEST(PickFormatsTest, EveryNameWritesTheNotationItIsNamedFor) {
    const std::vector<std::pair<std::string, std::string>> expected{
        {"html", "#0A5A5A"},
        {"hex", "#0a5a5a"},
        {"rgb", "rgb(10 90 90)"},
        {"rgb-comma", "rgb(10, 90, 90)"},
        {"hsl", "hsl(180 80% 19.6%)"},
        {"hwb", "hwb(180 3.9% 64.7%)"},
        {"oklch", "oklch(42.48% 0.0694 194.86)"},
        {"qt", "QColor(10, 90, 90)"},
        {"android", "0xFF0A5A5A"},
        {"swiftui", "Color(red: 0.039, green: 0.353, blue: 0.353)"},
        {"dotnet", "Color.FromArgb(10, 90, 90)"},
        {"vb", "&H005A5A0A"},
        {"long", "5921290"},
        {"cpp", "0x005A5A0A"},
        {"delphi", "$005A5A0A"},
        {"java", "0x0A5A5A"},
        {"photoshop", "0A5A5A"},
    };
    ASSERT_EQ(builtInFormatNames().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const auto& [name, text] = expected[i];
        EXPECT_EQ(builtInFormatNames()[i], name);
        const PickFormat format = PickFormat::resolve(name, {});
        ASSERT_TRUE(format.ok()) << name;
        EXPECT_EQ(format.text(kTeal), text) << name;
    }
    EXPECT_EQ(PickFormat::resolve(kDefaultPickFormat, {}).text(kTeal), "#0A5A5A");
    // Names are exact: a differently written one is no format.
    EXPECT_FALSE(PickFormat::resolve("HTML", {}).ok());
    EXPECT_FALSE(PickFormat::resolve("", {}).ok());
}

TEST(PickFormatsTest, OwnFormatsTemplatesAndErrors) {
    const std::vector<OwnFormat> own{{"Web", "--c: #{hex};"}, {"html", "shadowed {r}"}};
    EXPECT_EQ(PickFormat::resolve("Web", own).text(kTeal), "--c: #0a5a5a;");
    // A built-in name keeps its meaning over an own format of the same name.
    EXPECT_EQ(PickFormat::resolve("html", own).text(kTeal), "#0A5A5A");
    EXPECT_EQ(PickFormat::resolve("{r},{g},{b}", own).text(kTeal), "10,90,90");
    EXPECT_EQ(PickFormat::resolve("{HEX}", {}).text(0xFFFFFF), "FFFFFF");

    const PickFormat badPlaceholder = PickFormat::resolve("{r} {q}", own);
    EXPECT_FALSE(badPlaceholder.ok());
    EXPECT_NE(badPlaceholder.error().find("{q}"), std::string::npos);
    EXPECT_EQ(badPlaceholder.text(kTeal), "");

    const PickFormat unknown = PickFormat::resolve("web", own);
    ASSERT_FALSE(unknown.ok());
    EXPECT_NE(unknown.error().find("\"web\""), std::string::npos);
    for (std::string_view name : builtInFormatNames()) {
        EXPECT_NE(unknown.error().find(name), std::string::npos) << name;
    }
    EXPECT_NE(unknown.error().find("\"Web\""), std::string::npos);
    EXPECT_EQ(unknown.error().find('\n'), std::string::npos);
}

TEST(PickFormatsTest, TheListingShowsEachNameBesideItsExampleInOneColumn) {
    const std::vector<OwnFormat> own{{"A long own name", "{HEX}!"}};
    const std::vector<std::string> listed = lines(formatListing(kTeal, own));
    ASSERT_EQ(listed.size(), builtInFormatNames().size() + 1);
    EXPECT_EQ(listed.front(), "html             #0A5A5A");
    EXPECT_EQ(listed.back(), "A long own name  0A5A5A!");
    std::set<std::size_t> columns;
    for (const std::string& line : listed) {
        columns.insert(line.find_first_not_of(' ', line.find("  ")));
    }
    EXPECT_EQ(columns.size(), 1u);
}

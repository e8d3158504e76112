#include "gradient/StyleSheet.h"

#include "color/Translatable.h"

#include <string_view>

namespace sv {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

struct RuleTemplate {
    StyleRule rule;
    const char* caption;
    // "§" marks a line break; the spaces around it stay.
    std::string_view text;
    std::string_view placeholder;
    // A numbered class: its name gets the counter appended.
    std::string_view className;
};

constexpr RuleTemplate kRules[] = {
    {StyleRule::Body,
     QT_TRANSLATE_NOOP("sv::ColorGridWindow", "New Style - Body"),
     "body {background-color: #colorBODY}",
     "#colorBODY",
     {}},
    {StyleRule::Link,
     QT_TRANSLATE_NOOP("sv::ColorGridWindow", "New Style - Link"),
     "a:link { \xC2\xA7 font: 12px Arial, Helvetica; \xC2\xA7 color: #000000; \xC2\xA7 "
     "text-decoration: none} \xC2\xA7 a:hover { \xC2\xA7 font: 12px Arial, Helvetica; \xC2\xA7 "
     "color: #colorLink1; \xC2\xA7 text-decoration: underline}",
     "#colorLink1",
     {}},
    {StyleRule::Border,
     QT_TRANSLATE_NOOP("sv::ColorGridWindow", "New Style - Border"),
     "p \xC2\xA7 {border: medium double #colorBorder}",
     "#colorBorder",
     {}},
    {StyleRule::Column, QT_TRANSLATE_NOOP("sv::ColorGridWindow", "New Style - Column"),
     ".Column{ \xC2\xA7 width:80%; \xC2\xA7 margin-left:9%; \xC2\xA7 border:1px solid #000000; "
     "\xC2\xA7  background-color: #colorCol}",
     "#colorCol", ".Column"},
    // The caption's spelling is what users have always seen.
    {StyleRule::TextClass, QT_TRANSLATE_NOOP("sv::ColorGridWindow", "New Style - Cass"),
     ".Class { \xC2\xA7 font-size: 12px; \xC2\xA7 font-family: Tahoma, Arial, Helvetica; \xC2\xA7 "
     "color: #colorClass;}",
     "#colorClass", ".Class"},
};

const RuleTemplate& templateOf(StyleRule rule) {
    return kRules[static_cast<int>(rule) - 1];
}

void replaceAll(std::string& text, std::string_view what, std::string_view with) {
    for (auto at = text.find(what); at != std::string::npos;
         at = text.find(what, at + with.size())) {
        text.replace(at, what.size(), with);
    }
}

} // namespace

const char* styleRuleCaption(StyleRule rule) {
    return templateOf(rule).caption;
}

std::string StyleSheetWriter::nextBlock(StyleRule rule, ColorValue c, std::size_t existingLength) {
    const RuleTemplate& t = templateOf(rule);
    std::string body(t.text);
    replaceAll(body, "\xC2\xA7", kLineEnd);
    const std::string code = '#' + toRgbHex(c);
    replaceAll(body, t.placeholder, code);
    if (!t.className.empty()) {
        const int number = rule == StyleRule::Column ? ++columns_ : ++classes_;
        replaceAll(body, t.className, std::string(t.className) + std::to_string(number));
    }

    std::string block;
    if (existingLength > 2) {
        block.append(kLineEnd)
            .append("<!-- ------------------------------------------------------ -->")
            .append(kLineEnd);
    }
    block.append("<style type=\"text/css\">").append(kLineEnd).append("<!--").append(kLineEnd);
    block.append(body).append(kLineEnd).append("-->").append(kLineEnd).append("</style>");
    return block;
}

void StyleSheetWriter::restartCounters() {
    columns_ = 0;
    classes_ = 0;
}

} // namespace sv

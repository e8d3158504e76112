#include "bitmap/ColorTable.h"

#include <algorithm>

namespace sv {

namespace {

ColorValue pixelColor(const std::vector<std::uint8_t>& rgb, std::size_t i) {
    return rgb[3 * i] | (rgb[3 * i + 1] << 8) | (rgb[3 * i + 2] << 16);
}

} // namespace

ColorTable::ColorTable(std::vector<std::uint8_t> rgb, std::size_t pixelCount)
    : rgb_(std::move(rgb)), pixelCount_(pixelCount),
      codeCount_(std::min({pixelCount, kMaxExaminedPixels, rgb_.size() / 3})),
      seen_((1u << 24) / 64, 0) {}

bool ColorTable::scan(std::size_t count) {
    const std::size_t end = std::min(codeCount_, examined_ + count);
    for (; examined_ < end; ++examined_) {
        const auto c = static_cast<std::uint32_t>(pixelColor(rgb_, examined_));
        std::uint64_t& word = seen_[c / 64];
        const std::uint64_t bit = std::uint64_t{1} << (c % 64);
        if ((word & bit) == 0) {
            word |= bit;
            colors_.push_back(static_cast<ColorValue>(c));
            lastNewAt_ = examined_;
        }
    }
    return done();
}

namespace {

// The template with %1 and %2 replaced by the numbers.
std::string fillIn(std::string_view text, std::size_t first, std::size_t second) {
    std::string out(text);
    for (const auto& [mark, value] : {std::pair{"%1", first}, std::pair{"%2", second}}) {
        if (const auto at = out.find(mark); at != std::string::npos) {
            out.replace(at, 2, std::to_string(value));
        }
    }
    return out;
}

} // namespace

std::string ColorTable::caption(const TableCaptionTexts& texts) const {
    if (colors_.empty()) {
        return {};
    }
    std::string text = fillIn(texts.counts, lastNewAt_, colors_.size());
    if (done() && truncated()) {
        text += fillIn(texts.part, codeCount_, pixelCount_);
    }
    return text;
}

} // namespace sv

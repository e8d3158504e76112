#pragma once
// The style-sheet blocks the colour grid writes: one complete <style> block per rule, with
// CR LF line ends, numbered column and text classes, and a separator comment between blocks.

#include "color/Color.h"

#include <string>

namespace sv {

enum class StyleRule { Body = 1, Link, Border, Column, TextClass };

// The menu caption of each rule.
const char* styleRuleCaption(StyleRule rule);

class StyleSheetWriter {
public:
    // The text to append to a panel already holding existingLength characters (CR LF counting
    // as two): the separator comment when that text is longer than 2 characters, then the
    // block for rule in colour c. Column and text classes take the next number.
    std::string nextBlock(StyleRule rule, ColorValue c, std::size_t existingLength);

    // Class numbers start again at 1 (after a new layout of the grid).
    void restartCounters();

    int columnCount() const { return columns_; }
    int classCount() const { return classes_; }

private:
    int columns_ = 0;
    int classes_ = 0;
};

} // namespace sv

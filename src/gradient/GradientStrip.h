#pragma once
// A gradient strip: a background colour and a run of full-height pixel columns from its left
// edge. It paints exactly what it holds and answers point queries from the same data, so a
// click reads the colour that is shown. It takes the keyboard focus, and keys press it as the
// pointer does.

#include "widgets/ColorBox.h"
#include "widgets/StripAccessible.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace sv {

class GradientStrip : public ColorBox, public WalkableStrip {
    Q_OBJECT
public:
    explicit GradientStrip(QWidget* parent = nullptr);

    // Column k paints pixel column k; columns beyond the right edge are clipped and the
    // strip right of the last column shows the background.
    const std::vector<ColorValue>& columns() const { return columns_; }
    void setColumns(std::vector<ColorValue> columns);

    // The inner width in twips, as the column arithmetic measures the strip.
    float widthTwips() const;

    // The colour shown at a point; empty outside the strip.
    std::optional<ColorValue> colorAt(QPoint pos) const;

    // The column the keyboard acts on; Enter presses it as a click there would.
    int focusColumn() const { return focusColumn_; }

    int stripPlace() const override { return focusColumn_; }
    int lastStripPlace() const override { return std::max(width() - 1, 0); }
    std::optional<ColorValue> stripColor() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    // Left/Right move the focus column by one pixel, Page Up/Down by 16, Home/End to the
    // ends; Enter or Space presses the strip at the focus column.
    void keyPressEvent(QKeyEvent* event) override;

private:
    int focusColumn_ = 0;
    std::vector<ColorValue> columns_;
    // One row of the picture; painting stretches it to the full height.
    QImage row_;
    bool rowDirty_ = true;
    ColorValue rowBackground_ = kWhite;
};

} // namespace sv

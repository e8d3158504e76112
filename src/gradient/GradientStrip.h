#pragma once
// A gradient strip: a background colour and a run of full-height pixel columns from its left
// edge. It paints exactly what it holds and answers point queries from the same data, so a
// click reads the colour that is shown.

#include "color/Color.h"

#include <QImage>
#include <QWidget>

#include <optional>
#include <vector>

namespace sv {

class GradientStrip : public QWidget {
    Q_OBJECT
public:
    explicit GradientStrip(const QString& objectName, QWidget* parent = nullptr);

    ColorValue backColor() const { return backColor_; }
    void setBackColor(ColorValue c);

    // Column k paints pixel column k; columns beyond the right edge are clipped and the
    // strip right of the last column shows the background.
    const std::vector<ColorValue>& columns() const { return columns_; }
    void setColumns(std::vector<ColorValue> columns);

    // The inner width in twips, as the column arithmetic measures the strip.
    float widthTwips() const;

    // The colour shown at a point; empty outside the strip.
    std::optional<ColorValue> colorAt(QPoint pos) const;

signals:
    void pressed(Qt::MouseButton button, QPoint pos);
    void moved(QPoint pos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    ColorValue backColor_ = kWhite;
    std::vector<ColorValue> columns_;
    // One row of the picture; painting stretches it to the full height.
    mutable QImage row_;
    mutable bool rowDirty_ = true;
};

} // namespace sv

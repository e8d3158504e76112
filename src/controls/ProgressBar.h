#pragma once
// A progress bar: value out of maximum, drawn as a shaded fill in one of two looks. Qt's
// progress bar underneath keeps the value and range, and tells screen readers.

#include <QColor>
#include <QProgressBar>

namespace sv {

class ProgressBar : public QProgressBar {
    Q_OBJECT
    Q_PROPERTY(QColor color READ color WRITE setColor)

public:
    enum class Look {
        Etched, // a pale fill in an etched frame
        Glow,   // the colour shading into yellow, with a yellow line at the fill's edge
    };
    Q_ENUM(Look)

    // 0 out of 100 to begin with.
    explicit ProgressBar(Look look, QWidget* parent = nullptr);

    // round(value × 100 / maximum), 0 .. 100.
    int percent() const;
    // Sets the value where that shows a new percentage, or ends the range: Qt repaints the bar
    // at once on each new value, and a caller with thousands of steps (the splash, a value per
    // name loaded) changes a pixel only with the percentage.
    void advanceTo(int value);

    QColor color() const { return color_; }
    void setColor(const QColor& color);

    QSize sizeHint() const override { return {194, 12}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintEtched(QPainter& p) const;
    void paintGlow(QPainter& p) const;

    Look look_;
    QColor color_{0, 120, 215};
};

} // namespace sv

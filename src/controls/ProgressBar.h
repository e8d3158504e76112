#pragma once
// A progress bar: value out of maximum, drawn as a shaded fill in one of two looks.

#include <QColor>
#include <QWidget>

namespace sv {

class ProgressBar : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int value READ value WRITE setValue)
    Q_PROPERTY(int maximum READ maximum WRITE setMaximum)
    Q_PROPERTY(QColor color READ color WRITE setColor)

public:
    enum class Look {
        Etched, // a pale fill in an etched frame
        Glow,   // the colour shading into yellow, with a yellow line at the fill's edge
    };
    Q_ENUM(Look)

    explicit ProgressBar(Look look, QWidget* parent = nullptr);

    int value() const { return value_; }
    void setValue(int value);
    int maximum() const { return maximum_; }
    void setMaximum(int maximum);
    // round(value × 100 / maximum), 0 .. 100.
    int percent() const;

    QColor color() const { return color_; }
    void setColor(const QColor& color);

    QSize sizeHint() const override { return {194, 12}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintEtched(QPainter& p) const;
    void paintGlow(QPainter& p) const;

    Look look_;
    int value_ = 0;
    int maximum_ = 100;
    QColor color_{0, 120, 215};
};

} // namespace sv

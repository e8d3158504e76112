#pragma once
// A slider picking a whole number 0 .. 255 by dragging a thumb picture along a track whose
// filled part shows a solid colour or a three-colour gradient, optionally in segments.
//
// A drag starts with sliderPressed() and ends with sliderReleased(value); valueChanged() follows
// the thumb in between. Each step key acts as a drag released at the new value.

#include <QColor>
#include <QImage>
#include <QWidget>

namespace sv {

struct SliderFill;

class Slider : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int value READ value WRITE setValue NOTIFY valueChanged)
    Q_PROPERTY(Qt::Orientation orientation READ orientation WRITE setOrientation)
    Q_PROPERTY(QColor trackColor READ trackColor WRITE setTrackColor)
    Q_PROPERTY(QColor fillStartColor READ fillStartColor WRITE setFillStartColor)
    Q_PROPERTY(QColor fillMiddleColor READ fillMiddleColor WRITE setFillMiddleColor)
    Q_PROPERTY(QColor fillEndColor READ fillEndColor WRITE setFillEndColor)
    Q_PROPERTY(bool segmented READ segmented WRITE setSegmented)
    Q_PROPERTY(int segmentSize READ segmentSize WRITE setSegmentSize)
    Q_PROPERTY(QImage thumb READ thumb WRITE setThumb)

public:
    explicit Slider(Qt::Orientation orientation, QWidget* parent = nullptr);

    int value() const { return value_; }
    // Clamped to 0 .. 255; valueChanged() when the value changes.
    void setValue(int value);

    Qt::Orientation orientation() const { return orientation_; }
    void setOrientation(Qt::Orientation orientation);

    // An invalid colour follows the theme: the button face for the track, the button text for
    // the fill.
    QColor trackColor() const { return trackColor_; }
    void setTrackColor(const QColor& color);
    QColor fillStartColor() const { return fillColors_[0]; }
    void setFillStartColor(const QColor& color);
    QColor fillMiddleColor() const { return fillColors_[1]; }
    void setFillMiddleColor(const QColor& color);
    QColor fillEndColor() const { return fillColors_[2]; }
    void setFillEndColor(const QColor& color);
    // One colour for the whole fill.
    void setFillColor(const QColor& color);

    // A segmented fill leaves every segmentSize-th line in the track colour.
    bool segmented() const { return segmented_; }
    void setSegmented(bool on);
    int segmentSize() const { return segmentSize_; }
    void setSegmentSize(int size); // clamped to 2 .. 5

    QImage thumb() const { return thumb_; }
    void setThumb(const QImage& thumb); // a null image restores the built-in thumb

    // The thumb every slider starts with.
    static QImage builtInThumb();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void valueChanged(int value);
    void sliderPressed();
    void sliderReleased(int value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Left/Down -1, Right/Up +1, Page Down/Up -16/+16, Home 0, End 255.
    void keyPressEvent(QKeyEvent* event) override;

private:
    static constexpr int kPageStep = 16;

    static QImage paintBuiltInThumb();

    float track() const;
    QPoint thumbTopLeft() const;
    void dragTo(QPointF pos);
    SliderFill fill() const;

    int value_ = 0;
    Qt::Orientation orientation_;
    QColor trackColor_;
    QColor fillColors_[3];
    bool segmented_ = false;
    int segmentSize_ = 3;
    QImage thumb_;
    bool dragging_ = false;
    QPointF grab_; // where the pointer holds the thumb, from its top left
};

// The look of a slider for one colour channel: a light track filled with the channel's colour.
void setChannelColors(Slider& slider, const QColor& fill);

} // namespace sv

#pragma once
// A slider picking a whole number 0 .. 255 by dragging a thumb picture along a track whose
// filled part shows a solid colour or a three-colour gradient, optionally in segments.
//
// Qt's slider signals keep their meaning: sliderPressed() and sliderReleased() bound a drag,
// valueChanged() follows the thumb. valueChosen() says a value was settled on: at the end of a
// drag, and with each step key.

#include <QAbstractSlider>
#include <QColor>
#include <QImage>

namespace sv {

struct SliderFill;

class Slider : public QAbstractSlider {
    Q_OBJECT
    Q_PROPERTY(QColor trackColor READ trackColor WRITE setTrackColor)
    Q_PROPERTY(QColor fillStartColor READ fillStartColor WRITE setFillStartColor)
    Q_PROPERTY(QColor fillMiddleColor READ fillMiddleColor WRITE setFillMiddleColor)
    Q_PROPERTY(QColor fillEndColor READ fillEndColor WRITE setFillEndColor)
    Q_PROPERTY(bool segmented READ segmented WRITE setSegmented)
    Q_PROPERTY(int segmentSize READ segmentSize WRITE setSegmentSize)
    Q_PROPERTY(QImage thumb READ thumb WRITE setThumb)

public:
    // The range is 0 .. 255, in steps of 1 and pages of 16.
    explicit Slider(Qt::Orientation orientation, QWidget* parent = nullptr);

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
    void valueChosen(int value);

protected:
    void sliderChange(SliderChange change) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Left/Down -1, Right/Up +1, Page Down/Up -16/+16, Home 0, End 255: each a value chosen.
    void keyPressEvent(QKeyEvent* event) override;
    // The wheel goes on to the window: a slider passed over while scrolling keeps its value.
    void wheelEvent(QWheelEvent* event) override;

private:
    static constexpr int kPageStep = 16;

    static QImage paintBuiltInThumb();

    float track() const;
    QPoint thumbTopLeft() const;
    void dragTo(QPointF pos);
    SliderFill fill() const;

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

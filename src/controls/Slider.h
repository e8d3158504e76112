#pragma once
// A slider picking a whole number 0 .. 255 by dragging a thumb picture along a track whose
// filled part shows a solid colour or a three-colour gradient, optionally in segments.
//
// On every press and release (any button, enabled or not) the slider writes its requested
// value as decimal text into its host field; nothing is written while dragging. It takes the
// keyboard focus; each step key acts as a drag released at the new value.

#include "controls/SliderModel.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

class QLineEdit;

namespace sv {

class Slider : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int value READ value WRITE setValue NOTIFY valueChanged)
    Q_PROPERTY(int max READ max WRITE setMax)
    Q_PROPERTY(int min READ min WRITE setMin)
    Q_PROPERTY(int backColor READ backColor WRITE setBackColor)
    Q_PROPERTY(int foreColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(bool sliderEnabled READ sliderEnabled WRITE setSliderEnabled)
    Q_PROPERTY(int gradientStartColor READ gradientStartColor WRITE setGradientStartColor)
    Q_PROPERTY(int gradientMidColor READ gradientMidColor WRITE setGradientMidColor)
    Q_PROPERTY(int gradientEndColor READ gradientEndColor WRITE setGradientEndColor)
    Q_PROPERTY(int orientation READ orientation WRITE setOrientation)
    Q_PROPERTY(bool segmented READ segmented WRITE setSegmented)
    Q_PROPERTY(int segmentSize READ segmentSize WRITE setSegmentSize)
    Q_PROPERTY(bool useGradient READ useGradient WRITE setUseGradient)
    Q_PROPERTY(QImage sliderIcon READ sliderIcon WRITE setSliderIcon)

public:
    explicit Slider(QWidget* parent = nullptr);

    // The value the thumb stands for; writing 0 .. 255 moves the thumb and announces a change
    // (valueChanged, then maximumReached / minimumReached at the ends). Other values are ignored.
    int value() const;
    void setValue(int v);
    // The last in-range value written (what the fill and the host field use).
    int requestedValue() const { return model_.requestedValue(); }

    // Kept only: the range is always 0 .. 255. Values outside 16 bits are ignored.
    int max() const { return model_.max(); }
    void setMax(int v);
    int min() const { return model_.min(); }
    void setMin(int v);

    // Colours are 0x00BBGGRR values; the system colours button face (0x8000000F) and button
    // text (0x80000012) follow the widget's palette.
    int backColor() const { return model_.backColor(); }
    void setBackColor(int c);
    int foreColor() const { return model_.foreColor(); }
    void setForeColor(int c);
    // Whether a left press starts a drag; the host field is written either way.
    bool sliderEnabled() const { return model_.enabled(); }
    void setSliderEnabled(bool on) { model_.setEnabled(on); }
    int gradientStartColor() const { return model_.gradientStartColor(); }
    void setGradientStartColor(int c);
    int gradientMidColor() const { return model_.gradientMidColor(); }
    void setGradientMidColor(int c);
    int gradientEndColor() const { return model_.gradientEndColor(); }
    void setGradientEndColor(int c);
    // 0 horizontal (grows to the right), 1 vertical (grows upwards); others draw no fill.
    int orientation() const { return model_.orientation(); }
    void setOrientation(int o);
    bool segmented() const { return model_.segmented(); }
    void setSegmented(bool on);
    int segmentSize() const { return model_.segmentSize(); }
    void setSegmentSize(int size);
    bool useGradient() const { return model_.useGradient(); }
    void setUseGradient(bool on);
    QImage sliderIcon() const { return icon_; }
    void setSliderIcon(const QImage& icon); // a null image restores the built-in thumb

    void setHostField(QLineEdit* field);
    QLineEdit* hostField() const;

    // The thumb every slider starts with.
    static QImage builtInIcon();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void clicked();
    void minimumReached();
    void maximumReached();
    void valueChanged(int value);
    void pressed(int button);
    void released(int button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Left/Down -1, Right/Up +1, Page Down/Up -16/+16, Home 0, End 255.
    void keyPressEvent(QKeyEvent* event) override;

private:
    static constexpr int kPageStep = 16;

    void syncSize() const;
    void fitSize();
    void announce(const SliderEvents& events, int button);
    QColor paintColor(ColorValue c) const;

    mutable SliderModel model_;
    QImage icon_;
    bool customIcon_ = false;
    QPointer<QLineEdit> host_;
};

// The look of a slider for one colour channel: a light track filled with the channel's colour.
void setChannelColors(Slider& slider, ColorValue fill);

} // namespace sv

#pragma once
// The progress bar control: a percentage drawn as a filled bar in one of ten styles, with the
// percentage as text when asked. Hosts write Max and then Value.

#include "controls/ProgressBarModel.h"

#include <QImage>
#include <QWidget>

namespace sv {

class ProgressBar : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int value READ value WRITE setValue)
    Q_PROPERTY(int percent READ percent)
    Q_PROPERTY(bool showText READ showText WRITE setShowText)

public:
    explicit ProgressBar(QWidget* parent = nullptr);

    // Redraws. percent = round(value × 100 / Max + Min); a Max of 0 gives 0 %.
    void setValue(int value);
    int value() const { return model_.value(); }
    int percent() const { return model_.percent(); }

    // Take effect at the next setValue; no redraw.
    void setMax(int max) { model_.setMax(max); }
    int max() const { return model_.max(); }
    void setMin(int min) { model_.setMin(min); }
    int min() const { return model_.min(); }

    // A colour value (0x00BBGGRR) or a system colour (top bit set), stored resolved.
    void setColor(ColorValue color);
    ColorValue color() const { return model_.color(); }
    void setScrolling(int style);
    int scrolling() const { return model_.scrolling(); }
    void setOrientation(int orientation);
    int orientation() const { return model_.orientation(); }
    void setShowText(bool show);
    bool showText() const { return model_.showText(); }
    // The hatch of style 7; no redraw.
    void setBrushStyle(int style) { model_.setBrushStyle(style); }
    int brushStyle() const { return model_.brushStyle(); }
    // The pattern picture of style 8.
    void setImage(const QImage& image);
    const QImage& image() const { return image_; }

    QString caption() const { return QString::fromStdString(model_.caption()); }

    QSize sizeHint() const override { return {194, 12}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ColorValue systemColor(int index) const;

    ProgressBarModel model_;
    QImage image_;
};

} // namespace sv

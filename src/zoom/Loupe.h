#pragma once
// The loupe: while a pick runs, a small window beside the pointer shows the pixels around it
// enlarged, the picked pixel in a contrasting frame, the sampled square outlined and the colour's
// HTML notation under them. It takes no focus, stays out of the taskbar and never stands over
// the pixels it shows.

#include "color/Color.h"

#include <QImage>
#include <QWidget>

namespace sv {

class Loupe : public QWidget {
    Q_OBJECT
public:
    explicit Loupe(QWidget* parent = nullptr);

    int zoom() const { return zoom_; }
    // 5, 10 or 20; anything else counts as 10.
    void setZoom(int zoom);
    int sampleSize() const { return sampleSize_; }
    void setSampleSize(int side);
    // The side of the square of device pixels the loupe shows (odd, centred on the pointer).
    int pixelsShown() const;

    // Moves the loupe beside a pointer (logical pixels) on the screen it is on.
    void placeBeside(QPoint pointer);
    // Where the window stands in device pixels; empty while it is hidden.
    QRect deviceFrame() const;
    // Shows a pixelsShown() square of pixels and the colour picked from it; repaints only when
    // either changed.
    void showPixels(const QImage& pixels, ColorValue picked);
    const QImage& pixels() const { return pixels_; }

signals:
    void zoomChanged(int zoom);

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void fitSize();
    int textLineHeight() const;

    int zoom_;
    int sampleSize_ = 1;
    bool fontLoaded_ = false; // the font's metrics have been asked for (at the first paint)
    QImage pixels_;
    ColorValue picked_ = kBlack;
};

} // namespace sv

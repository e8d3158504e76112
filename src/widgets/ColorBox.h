#pragma once
// A colour box: a background colour, an optional picture drawn at its top-left corner, and its
// mouse events passed on with the button and the position. The current and last colours, the
// magnifier's picked colour and shades are colour boxes; screen readers read one as an image
// described by its colour.

#include "color/Color.h"

#include <QImage>
#include <QWidget>

namespace sv {

class ColorBox : public QWidget {
    Q_OBJECT
public:
    explicit ColorBox(QWidget* parent = nullptr);

    ColorValue backColor() const { return backColor_; }
    void setBackColor(ColorValue c);

    const QImage& picture() const { return picture_; }
    void setPicture(const QImage& image);

signals:
    void pressed(Qt::MouseButton button, QPoint pos);
    void released(Qt::MouseButton button, QPoint pos);
    void moved(QPoint pos);

protected:
    // The background as Qt paints it; an empty swatch's button face follows the palette.
    QColor paintColor() const;

    // A box clicked like a button is named for screen readers by its tool tip, unless it was
    // given a name of its own.
    bool event(QEvent* event) override;

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    ColorValue backColor_ = kWhite;
    QImage picture_;
    bool nameFromToolTip_ = false;
};

// A colour as screen readers are told it: "#RRGGBB".
QString colorText(ColorValue c);

} // namespace sv

#pragma once
// A picture box: a background colour, an optional picture drawn at its top-left corner, and
// its mouse events passed on with the button and the position.

#include "color/Color.h"

#include <QImage>
#include <QWidget>

namespace sv {

class ColorPicture : public QWidget {
    Q_OBJECT
public:
    explicit ColorPicture(const QString& objectName, QWidget* parent = nullptr);

    ColorValue backColor() const { return backColor_; }
    void setBackColor(ColorValue c);

    const QImage& picture() const { return picture_; }
    void setPicture(const QImage& image);

signals:
    void pressed(Qt::MouseButton button, QPoint pos);
    void released(Qt::MouseButton button, QPoint pos);
    void moved(QPoint pos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    ColorValue backColor_ = kWhite;
    QImage picture_;
};

} // namespace sv

#pragma once
// One palette swatch: a colour, or empty (button face with a mask picture at its top-left). It
// answers the pointer with a tool tip, lends its colour to a drag, and takes colours dropped from
// this program's controls and from other programs; what a click does is its grid's business.

#include "widgets/ColorBox.h"

#include <optional>

namespace sv {

class Swatch : public ColorBox {
    Q_OBJECT
public:
    Swatch(int index, QWidget* parent);

    int index() const { return index_; }
    bool isEmpty() const { return empty_; }

    // Holds colour c; the mask picture is removed.
    void fill(ColorValue c);
    // Button face with the given mask picture.
    void makeEmpty(const QImage& mask);

signals:
    void colorDropped(int index, sv::ColorValue c);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void updateToolTip();

    int index_;
    bool empty_ = false;
    std::optional<QPoint> dragFrom_; // where a left press on a filled swatch was
};

} // namespace sv

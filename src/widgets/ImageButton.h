#pragma once
// The push button the windows host: an icon (or short text) that lights up under the pointer.
// It takes the keyboard focus by Tab and is pressed with Space or Enter, showing the focus.

#include <QAbstractButton>
#include <QImage>

namespace sv {

class ImageButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit ImageButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;

    // Shows only a picture, hover when the pointer is on it and checked while checked (each
    // falls back to normal), on a background of back, in place of the button's face.
    void setPictures(const QImage& normal, const QImage& hover, const QImage& checked,
                     const QColor& back);

protected:
    // Screen readers name the button by its tool tip.
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool hovered_ = false;
    QImage normal_;
    QImage hover_;
    QImage checked_;
    QColor back_;
};

} // namespace sv

#pragma once
// The push button the windows host: an icon (or short text) that lights up under the pointer.
// It takes the keyboard focus by Tab and is pressed with Space or Enter, showing the focus.

#include <QAbstractButton>

namespace sv {

class ImageButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit ImageButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    // Screen readers name the button by its tool tip.
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool hovered_ = false;
};

} // namespace sv

#pragma once
// A raised container panel. A movable panel follows the pointer inside its parent while any
// mouse button is held on it, as a caption drag would move it.

#include <QFrame>

namespace sv {

class Panel : public QFrame {
    Q_OBJECT
public:
    explicit Panel(QWidget* parent = nullptr);

    void setMovable(bool movable) { movable_ = movable; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool movable_ = false;
    bool dragging_ = false;
    QPoint grabOffset_;
};

} // namespace sv

#pragma once
// The container panel. Pressing on it raises mouseDown; a movable panel then follows the
// pointer inside its parent, as a caption drag would move it.

#include <QFrame>

namespace sv {

class ActivePanel : public QFrame {
    Q_OBJECT
public:
    explicit ActivePanel(const QString& objectName, QWidget* parent = nullptr);

    void setMovable(bool movable) { movable_ = movable; }

signals:
    void mouseDown(Qt::MouseButton button);

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

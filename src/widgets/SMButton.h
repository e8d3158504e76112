#pragma once
// The push button the windows host: an icon (or short text) that lights up under the pointer.
// Its one event is the click; arrays of buttons pass their 1-based index through the host.

#include <QAbstractButton>

namespace sv {

class SMButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit SMButton(const QString& objectName, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool hovered_ = false;
};

} // namespace sv

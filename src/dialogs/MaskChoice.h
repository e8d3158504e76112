#pragma once
// One of the Options window's mask pictures: the mask image, with a single-line border when
// it is the chosen one.

#include <QImage>
#include <QWidget>

namespace sv {

class MaskChoice : public QWidget {
    Q_OBJECT
public:
    // index 1 .. 5; the object name is "picMask" followed by it.
    MaskChoice(int index, QWidget* parent = nullptr);

    int index() const { return index_; }
    bool bordered() const { return bordered_; }
    void setBordered(bool on);

    QSize sizeHint() const override { return {20, 20}; }

signals:
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int index_;
    QImage picture_;
    bool bordered_ = false;
};

} // namespace sv

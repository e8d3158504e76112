#pragma once
// One of the Options window's mask pictures: the mask image, with a single-line border when
// it is the chosen one.

#include "settings/OptionValues.h"

#include <QImage>
#include <QWidget>

namespace sv {

class MaskChoice : public QWidget {
    Q_OBJECT
public:
    explicit MaskChoice(SwatchMask mask, QWidget* parent = nullptr);

    SwatchMask mask() const { return mask_; }
    bool bordered() const { return bordered_; }
    void setBordered(bool on);

    QSize sizeHint() const override { return {20, 20}; }

signals:
    void clicked(sv::SwatchMask mask);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // A Tab stop: Space or Enter chooses it as a click does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    SwatchMask mask_;
    QImage picture_;
    bool bordered_ = false;
};

} // namespace sv

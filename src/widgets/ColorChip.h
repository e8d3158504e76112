#pragma once
// A small swatch that offers its colour: a click, Enter or Space (or a screen reader's Press)
// chooses it, and it drags out as a palette swatch does. The colour analyst's suggestions and
// harmonies are chips.

#include "widgets/ColorBox.h"

namespace sv {

class ColorChip : public ColorBox {
    Q_OBJECT
public:
    explicit ColorChip(QWidget* parent = nullptr);

    // Shows c, named for screen readers and in the tool tip as "what: #RRGGBB" (worked out
    // when asked for, not at every pick tick).
    void showColor(ColorValue c, const QString& what);
    QString name() const;
    // Shows no colour and offers none, keeping its place (hiding it would lay the window out
    // again at every pick tick).
    void clear();
    bool isClear() const { return clear_; }
    // Offers the colour shown.
    void choose();

signals:
    void chosen(sv::ColorValue color);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPoint pressPos_;
    bool pressed_ = false;
    bool clear_ = false;
    QString what_;
};

} // namespace sv

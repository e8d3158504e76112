#pragma once
// The main window's own title bar: the shadowed title, close and minimise buttons that light
// up under the pointer, the on-top pin and the link to the maker's page. A press on the bar's
// body (any button) moves the window.

#include "widgets/ShadowLabel.h"

#include <QWidget>
#include <array>

namespace sv {

class ColorBox;

class TitleBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 34;

    explicit TitleBar(QWidget* window);

    ColorBox* closeButton() const { return close_[kLit]; }
    ColorBox* minimizeButton() const { return minimize_[kLit]; }
    // The pin shown while the window is (not) on top; exactly one of the two is visible.
    ColorBox* onTopPin(bool onTop) const { return pins_[onTop ? 1 : 0]; }
    QString title() const { return caption_.text(); }

    // Shows the pin for the on-top state.
    void showOnTop(bool onTop);
    bool showsOnTop() const;
    // The close and minimise buttons unlit again, as the pointer left them.
    void unlightButtons();

signals:
    void closeClicked();
    void minimizeClicked();
    // The user clicked the pin: the window should (not) stay on top.
    void onTopRequested(bool onTop);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    static constexpr int kLit = 1;

    ShadowLabel caption_;
    std::array<ColorBox*, 2> close_{};    // unlit, lit
    std::array<ColorBox*, 2> minimize_{}; // unlit, lit
    std::array<ColorBox*, 2> pins_{};     // not on top, on top
};

} // namespace sv

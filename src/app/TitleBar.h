#pragma once
// The main window's own title bar: the shadowed title, close and minimise buttons that light
// up under the pointer, the on-top pin (checked while the window stays on top) and the link to
// the maker's page. A press on the bar's body (any button) moves the window.

#include "widgets/ShadowLabel.h"

#include <QWidget>

namespace sv {

class ImageButton;

class TitleBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 34;

    explicit TitleBar(QWidget* window);

    ImageButton* closeButton() const { return close_; }
    ImageButton* minimizeButton() const { return minimize_; }
    ImageButton* onTopPin() const { return pin_; }
    ImageButton* linkButton() const { return link_; }
    QString title() const { return caption_->text(); }

    // Shows the pin for the on-top state.
    void showOnTop(bool onTop);
    bool showsOnTop() const;

signals:
    void closeClicked();
    void minimizeClicked();
    // The user clicked the pin: the window should (not) stay on top.
    void onTopRequested(bool onTop);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    ShadowLabel* caption_;
    ImageButton* close_ = nullptr;
    ImageButton* minimize_ = nullptr;
    ImageButton* pin_ = nullptr;
    ImageButton* link_ = nullptr;
};

} // namespace sv

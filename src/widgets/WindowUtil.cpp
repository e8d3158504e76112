#include "widgets/WindowUtil.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace sv {

bool setStaysOnTop(QWidget* window, bool on) {
    if (window == nullptr) {
        return false;
    }
    const bool onTop = window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    if (onTop != on) {
        const bool visible = window->isVisible();
        const QRect geometry = window->geometry();
        // Changing a flag hides the window; show it again where it was.
        window->setWindowFlag(Qt::WindowStaysOnTopHint, on);
        if (visible) {
            window->setGeometry(geometry);
            window->show();
        }
    }
    return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on;
}

void startWindowDrag(QWidget* window) {
    if (window == nullptr) {
        return;
    }
    if (QWindow* handle = window->window()->windowHandle()) {
        handle->startSystemMove();
    }
}

WaitCursor::WaitCursor() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor() {
    QGuiApplication::restoreOverrideCursor();
}

} // namespace sv

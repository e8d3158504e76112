#pragma once
// Window operations every window shares.

class QWidget;

namespace sv {

// Keeps a window above all others (on) or puts it back among them, without moving it.
// Returns whether the window's on-top state is now as asked.
bool setStaysOnTop(QWidget* window, bool on);

// Lets the window manager move a frameless window with the pointer, as a caption drag does.
void startWindowDrag(QWidget* window);

// The hourglass over the whole program for as long as it lives.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace sv

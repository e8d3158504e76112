#pragma once
// A text on the clipboard that outlives the program: a clipboard is served by the program that
// set it, so a command-line pick hands its text to a small background process that serves it
// until another program takes the clipboard. On X11 (and XWayland, whose clipboard the
// compositor shares) our own helper; on Wayland, wl-copy, which does the same.

#include <QString>

namespace sv {

// Where the helper lies: installed, ../libexec/spectrivue from the program; in a build, beside
// it.
QString clipboardHelperPath();

// Hands text over and waits until it is on the clipboard; empty when it is, else why not.
QString keepOnClipboard(const QString& text);

} // namespace sv

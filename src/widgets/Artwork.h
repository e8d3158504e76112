#pragma once
// The program's own small pictures and cursors, drawn in code.

#include <QCursor>
#include <QImage>

namespace sv {

enum class Glyph { Close, Minimize, PinOff, PinOn, Link, Move };

// A title-bar style picture; lit is the highlighted (pointer over it) form.
QImage glyphImage(Glyph glyph, bool lit, int size = 18);

// The custom cursors: "TINTA" (paint drop on a swatch), "PEGA" (grab for dragging), "GOTA"
// (a drop for the magnifier), 101 (pointing hand) and 102 (crosshair for picking).
enum class AppCursor { Tinta, Pega, Gota, Hand101, Cross102 };
QCursor appCursor(AppCursor id);

} // namespace sv

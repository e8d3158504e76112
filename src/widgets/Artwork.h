#pragma once
// The program's own small pictures and cursors, drawn in code.

#include <QCursor>
#include <QImage>

namespace sv {

enum class Glyph { Close, Minimize, PinOff, PinOn, Link, Move };

// A title-bar style picture; lit is the highlighted (pointer over it) form.
QImage glyphImage(Glyph glyph, bool lit, int size = 18);

// The program's pointers: a brush over what takes a colour (a swatch, a shade), an open hand for
// dragging, a drop over the magnifier's picture, a pointing hand over links and a crosshair for
// picking.
enum class AppCursor { Brush, OpenHand, Drop, PointingHand, Crosshair };
QCursor appCursor(AppCursor id);

} // namespace sv

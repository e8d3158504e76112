#pragma once
// The palette grid for screen readers: a table of 16 by 16 cells named "Swatch N", each
// described by its colour ("#RRGGBB") or "empty", focusable, the keyboard's focus cell reported
// as focused, and pressed (a left click) as their default action.

namespace sv {

// Makes Qt's accessibility use the table for every swatch grid; done once, before the first
// grid is shown.
void installSwatchGridAccessibility();

} // namespace sv

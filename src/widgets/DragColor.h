#pragma once
// What a colour dragged out of a control carries: the colour itself (as "application/x-color"
// for programs that know colours and as "#RRGGBB" text for those that take text) and, within
// this program, which control it came from, so a drop target can refuse other sources.

#include "color/Color.h"

#include <QMimeData>
#include <QString>
#include <optional>

namespace sv {

enum class DragSource { NamedColorStrip = 1, ColorGrid = 2, Swatch = 3, History = 4, Chip = 5 };

inline const QString kDragSourceMime = QStringLiteral("application/x-spectrivue-source");

// Mime data for a drag of a colour from one of the program's controls.
QMimeData* makeColorDrag(ColorValue c, DragSource source);
// Where the data came from; empty when it did not come from this program.
std::optional<DragSource> dragSource(const QMimeData* data);
// The dragged colour, empty when there is none.
std::optional<ColorValue> dragColor(const QMimeData* data);

} // namespace sv

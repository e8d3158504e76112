#pragma once
// What a colour dragged between controls carries: the colour itself and the name of the
// control it came from ("picEdit", "picMax"), so a drop target can refuse other sources.

#include "color/Color.h"

#include <QMimeData>
#include <QString>
#include <optional>

namespace sv {

inline const QString kDragSourceMime = QStringLiteral("application/x-spectrivue-source");

// Mime data for a drag of a colour from a named control.
QMimeData* makeColorDrag(ColorValue c, const QString& sourceName);
// The source control's name, empty when the data did not come from this program.
QString dragSourceName(const QMimeData* data);
// The dragged colour, empty when there is none.
std::optional<ColorValue> dragColor(const QMimeData* data);

} // namespace sv

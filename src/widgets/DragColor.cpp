#include "widgets/DragColor.h"

#include "widgets/QtColor.h"

namespace sv {

QMimeData* makeColorDrag(ColorValue c, const QString& sourceName) {
    auto* data = new QMimeData;
    data->setColorData(toQColor(c));
    data->setData(kDragSourceMime, sourceName.toUtf8());
    return data;
}

QString dragSourceName(const QMimeData* data) {
    if (data == nullptr || !data->hasFormat(kDragSourceMime)) {
        return {};
    }
    return QString::fromUtf8(data->data(kDragSourceMime));
}

std::optional<ColorValue> dragColor(const QMimeData* data) {
    if (data == nullptr || !data->hasColor()) {
        return std::nullopt;
    }
    return fromQColor(qvariant_cast<QColor>(data->colorData()));
}

} // namespace sv

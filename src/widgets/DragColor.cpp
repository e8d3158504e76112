#include "widgets/DragColor.h"

#include "widgets/QtColor.h"

namespace sv {

QMimeData* makeColorDrag(ColorValue c, DragSource source) {
    auto* data = new QMimeData;
    data->setColorData(toQColor(c));
    data->setData(kDragSourceMime, QByteArray::number(static_cast<int>(source)));
    return data;
}

std::optional<DragSource> dragSource(const QMimeData* data) {
    if (data == nullptr || !data->hasFormat(kDragSourceMime)) {
        return std::nullopt;
    }
    bool ok = false;
    const int value = data->data(kDragSourceMime).toInt(&ok);
    if (!ok || (value != static_cast<int>(DragSource::NamedColorStrip) &&
                value != static_cast<int>(DragSource::ColorGrid))) {
        return std::nullopt;
    }
    return static_cast<DragSource>(value);
}

std::optional<ColorValue> dragColor(const QMimeData* data) {
    if (data == nullptr || !data->hasColor()) {
        return std::nullopt;
    }
    return fromQColor(qvariant_cast<QColor>(data->colorData()));
}

} // namespace sv

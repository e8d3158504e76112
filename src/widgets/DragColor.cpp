#include "widgets/DragColor.h"

#include "color/DragPayload.h"

namespace sv {

namespace {

const QString kColorMime = QStringLiteral("application/x-color");

std::string_view view(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

} // namespace

QMimeData* makeColorDrag(ColorValue c, DragSource source) {
    auto* data = new QMimeData;
    const std::string color = colorPayload(c);
    data->setData(kColorMime, QByteArray(color.data(), qsizetype(color.size())));
    data->setData(kDragSourceMime, QByteArray::number(static_cast<int>(source)));
    return data;
}

std::optional<DragSource> dragSource(const QMimeData* data) {
    if (data == nullptr || !data->hasFormat(kDragSourceMime)) {
        return std::nullopt;
    }
    const auto value = readNumberPayload(view(data->data(kDragSourceMime)),
                                         static_cast<int>(DragSource::NamedColorStrip),
                                         static_cast<int>(DragSource::ColorGrid));
    return value ? std::optional(static_cast<DragSource>(*value)) : std::nullopt;
}

std::optional<ColorValue> dragColor(const QMimeData* data) {
    if (data == nullptr || !data->hasFormat(kColorMime)) {
        return std::nullopt;
    }
    return readColorPayload(view(data->data(kColorMime)));
}

} // namespace sv

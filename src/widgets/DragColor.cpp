#include "widgets/DragColor.h"

#include "color/DragPayload.h"
#include "widgets/QtColor.h"

#include <QColor>
#include <QVariant>

namespace sv {

namespace {

const QString kColorMime = QStringLiteral("application/x-color");

std::string_view view(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

} // namespace

QMimeData* makeColorDrag(ColorValue c, DragSource source) {
    auto* data = new QMimeData;
    // Kept as a QColor: Qt renders it as the 8 bytes of "application/x-color" for other
    // programs, and it stays exact within this one.
    data->setColorData(toQColor(c));
    data->setData(kDragSourceMime, QByteArray::number(static_cast<int>(source)));
    // Text editors, terminals and browsers take the colour as "#RRGGBB".
    data->setText(QLatin1Char('#') + QString::fromStdString(toRgbHex(c)));
    return data;
}

std::optional<DragSource> dragSource(const QMimeData* data) {
    if (data == nullptr || !data->hasFormat(kDragSourceMime)) {
        return std::nullopt;
    }
    const auto value = readNumberPayload(view(data->data(kDragSourceMime)),
                                         static_cast<int>(DragSource::NamedColorStrip),
                                         static_cast<int>(DragSource::Chip));
    return value ? std::optional(static_cast<DragSource>(*value)) : std::nullopt;
}

std::optional<ColorValue> dragColor(const QMimeData* data) {
    if (data == nullptr || !data->hasFormat(kColorMime)) {
        return std::nullopt;
    }
    const QByteArray bytes = data->data(kColorMime);
    // Within one process QMimeData::setColorData() (as QColorDialog's drags use) keeps a
    // QColor, whose bytes Qt then gives as its name, "#rrggbb".
    const QVariant held = data->colorData();
    if (held.metaType() == QMetaType::fromType<QColor>() && held.value<QColor>().isValid() &&
        bytes == held.value<QColor>().name().toLatin1()) {
        return fromQColor(held.value<QColor>());
    }
    return readColorPayload(view(bytes));
}

} // namespace sv

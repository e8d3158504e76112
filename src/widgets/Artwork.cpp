#include "widgets/Artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace sv {

QImage glyphImage(Glyph glyph, bool lit, int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(0.5, 0.5, size - 1.0, size - 1.0);
    QColor face = lit ? QColor(0xE8, 0x4A, 0x3C) : QColor(0x6B, 0x7B, 0x93);
    if (glyph != Glyph::Close && lit) {
        face = QColor(0x3C, 0x8D, 0xE8);
    }
    p.setPen(QPen(face.darker(130), 1));
    p.setBrush(face);
    p.drawRoundedRect(box, 3, 3);
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    const double m = size * 0.3;
    switch (glyph) {
    case Glyph::Close:
        p.drawLine(QPointF(m, m), QPointF(size - m, size - m));
        p.drawLine(QPointF(size - m, m), QPointF(m, size - m));
        break;
    case Glyph::Minimize:
        p.drawLine(QPointF(m, size - m), QPointF(size - m, size - m));
        break;
    case Glyph::PinOff:
    case Glyph::PinOn: {
        p.setBrush(glyph == Glyph::PinOn ? QColor(Qt::white) : QColor(Qt::transparent));
        p.drawEllipse(QPointF(size / 2.0, size * 0.4), size * 0.18, size * 0.18);
        p.drawLine(QPointF(size / 2.0, size * 0.58), QPointF(size / 2.0, size - m + 2));
        break;
    }
    case Glyph::Link: {
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(size / 2.0, size / 2.0), size * 0.28, size * 0.28);
        p.drawLine(QPointF(size * 0.22, size / 2.0), QPointF(size * 0.78, size / 2.0));
        break;
    }
    case Glyph::Move:
        p.drawLine(QPointF(size / 2.0, m - 1), QPointF(size / 2.0, size - m + 1));
        p.drawLine(QPointF(m - 1, size / 2.0), QPointF(size - m + 1, size / 2.0));
        break;
    }
    return img;
}

namespace {

QCursor drawnCursor(AppCursor id) {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPoint hot(0, 0);
    switch (id) {
    case AppCursor::Brush: { // a brush with its tip at the hot spot
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(0xC0, 0x30, 0x30));
        QPainterPath tip;
        tip.moveTo(1, 1);
        tip.lineTo(9, 5);
        tip.lineTo(5, 9);
        tip.closeSubpath();
        p.drawPath(tip);
        p.setBrush(QColor(0xE0, 0xC0, 0x80));
        p.drawPolygon(QPolygon({QPoint(7, 5), QPoint(20, 18), QPoint(18, 20), QPoint(5, 7)}));
        hot = QPoint(1, 1);
        break;
    }
    case AppCursor::OpenHand: { // an open hand
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(6, 10, 14, 14), 4, 4);
        for (int i = 0; i < 4; ++i) {
            p.drawRoundedRect(QRectF(6 + i * 3.5, 3 + (i == 0 || i == 3 ? 3 : 0), 3, 10), 1.5, 1.5);
        }
        hot = QPoint(13, 13);
        break;
    }
    case AppCursor::Drop: { // a drop whose point is the hot spot
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(0x30, 0x80, 0xE0));
        QPainterPath drop;
        drop.moveTo(8, 1);
        drop.cubicTo(12, 8, 15, 11, 15, 15);
        drop.arcTo(QRectF(1, 8, 14, 14), 0, -180);
        drop.cubicTo(1, 11, 4, 8, 8, 1);
        p.drawPath(drop);
        hot = QPoint(8, 1);
        break;
    }
    case AppCursor::PointingHand:
        return QCursor(Qt::PointingHandCursor);
    case AppCursor::Crosshair:
        return QCursor(Qt::CrossCursor);
    }
    return QCursor(pm, hot.x(), hot.y());
}

} // namespace

QCursor appCursor(AppCursor id) {
    return drawnCursor(id);
}

} // namespace sv

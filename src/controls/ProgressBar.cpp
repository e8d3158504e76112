#include "controls/ProgressBar.h"

#include "controls/ProgressBarDrawing.h"
#include "widgets/QtColor.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace sv {

namespace {

// A one-pixel line from a to b without its end point, for the axis-parallel lines the styles
// draw; anything else goes to QPainter's own line.
void paintLine(QPainter& p, const PbRect& r, const QColor& c) {
    const int x1 = r.left;
    const int y1 = r.top;
    const int x2 = r.right;
    const int y2 = r.bottom;
    if (x1 == x2 && y1 == y2) {
        return;
    }
    if (y1 == y2) {
        const int from = x1 < x2 ? x1 : x2 + 1;
        p.fillRect(QRect(from, y1, std::abs(x2 - x1), 1), c);
    } else if (x1 == x2) {
        const int from = y1 < y2 ? y1 : y2 + 1;
        p.fillRect(QRect(x1, from, 1, std::abs(y2 - y1)), c);
    } else {
        p.setPen(QPen(c, 0));
        p.drawLine(x1, y1, x2, y2);
    }
}

QRect toQRect(const PbRect& r) {
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

Qt::BrushStyle hatchPattern(int style) {
    switch (style) {
    case 0:
        return Qt::HorPattern;
    case 1:
        return Qt::VerPattern;
    case 2:
        return Qt::FDiagPattern;
    case 3:
        return Qt::BDiagPattern;
    case 5:
        return Qt::DiagCrossPattern;
    default:
        return Qt::CrossPattern;
    }
}

// Two borders of one pixel each, outer then inner, in the classic 3-D colours.
void paintEdge(QPainter& p, const PbRect& r, int kind) {
    const QColor light(227, 227, 227);
    const QColor shadow(160, 160, 160);
    const QColor darkShadow(105, 105, 105);
    const QColor highlight(255, 255, 255);
    struct Border {
        QColor topLeft;
        QColor bottomRight;
    };
    std::vector<Border> borders;
    switch (kind) {
    case 2: // sunken outer
        borders = {{shadow, highlight}};
        break;
    case 9: // bump: raised outer, sunken inner
        borders = {{light, darkShadow}, {shadow, highlight}};
        break;
    default: // 6, etched: sunken outer, raised inner
        borders = {{shadow, highlight}, {highlight, shadow}};
        break;
    }
    QRect q = toQRect(r);
    for (const Border& b : borders) {
        if (q.width() <= 0 || q.height() <= 0) {
            return;
        }
        p.fillRect(QRect(q.left(), q.top(), q.width() - 1, 1), b.topLeft);
        p.fillRect(QRect(q.left(), q.top(), 1, q.height() - 1), b.topLeft);
        p.fillRect(QRect(q.left(), q.bottom(), q.width(), 1), b.bottomRight);
        p.fillRect(QRect(q.right(), q.top(), 1, q.height()), b.bottomRight);
        q.adjust(1, 1, -1, -1);
    }
}

} // namespace

ProgressBar::ProgressBar(QWidget* parent)
    : QWidget(parent), model_([this](int index) { return systemColor(index); }) {
    // Every pixel is painted on each redraw.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

ColorValue ProgressBar::systemColor(int index) const {
    const QPalette& pal = palette();
    switch (index) {
    case 5:
        return fromQColor(pal.color(QPalette::Base));
    case 8:
        return fromQColor(pal.color(QPalette::Text));
    case 13:
        return fromQColor(pal.color(QPalette::Highlight));
    case 14:
        return fromQColor(pal.color(QPalette::HighlightedText));
    case 15:
        return fromQColor(pal.color(QPalette::Button));
    case 16:
        return fromQColor(pal.color(QPalette::Mid));
    case 18:
        return fromQColor(pal.color(QPalette::ButtonText));
    case 20:
        return fromQColor(pal.color(QPalette::Light));
    default:
        return kBlack;
    }
}

void ProgressBar::setValue(int value) {
    model_.setValue(value);
    update();
}

void ProgressBar::setColor(ColorValue color) {
    model_.setColor(color);
    update();
}

void ProgressBar::setScrolling(int style) {
    model_.setScrolling(style);
    update();
}

void ProgressBar::setOrientation(int orientation) {
    model_.setOrientation(orientation);
    update();
}

void ProgressBar::setShowText(bool show) {
    model_.setShowText(show);
    update();
}

void ProgressBar::setImage(const QImage& image) {
    image_ = image;
    update();
}

void ProgressBar::paintEvent(QPaintEvent*) {
    const QFontMetrics fm(font());
    const auto measure = [&fm](const std::string& text) {
        const QRect r =
            fm.boundingRect(QRect(0, 0, 0, 0), Qt::TextSingleLine, QString::fromStdString(text));
        return std::pair{r.width(), r.height()};
    };
    const std::vector<PbDrawOp> ops = drawProgressBar(model_, width(), height(), measure);

    QPainter p(this);
    p.setFont(font());
    for (const PbDrawOp& op : ops) {
        const QColor c = toQColor(op.color);
        switch (op.kind) {
        case PbDrawKind::Fill:
            p.fillRect(toQRect(op.rect), c);
            break;
        case PbDrawKind::Frame: {
            const QRect r = toQRect(op.rect);
            p.setPen(QPen(c, 0));
            p.setBrush(Qt::NoBrush);
            p.drawRect(r.adjusted(0, 0, -1, -1));
            break;
        }
        case PbDrawKind::Line:
            paintLine(p, op.rect, c);
            break;
        case PbDrawKind::Pixel:
            p.fillRect(QRect(op.rect.left, op.rect.top, 1, 1), c);
            break;
        case PbDrawKind::Edge:
            paintEdge(p, op.rect, op.param);
            break;
        case PbDrawKind::Hatch:
            p.fillRect(toQRect(op.rect), toQColor(op.back));
            p.fillRect(toQRect(op.rect), QBrush(c, hatchPattern(op.param)));
            break;
        case PbDrawKind::Pattern:
            if (image_.isNull()) {
                p.fillRect(toQRect(op.rect), c);
            } else {
                p.fillRect(toQRect(op.rect), QBrush(image_));
            }
            break;
        case PbDrawKind::Text:
            p.save();
            if (op.clip) {
                p.setClipRect(toQRect(*op.clip));
            }
            p.setPen(c);
            p.drawText(toQRect(op.rect), Qt::TextSingleLine | Qt::AlignCenter,
                       QString::fromStdString(op.text));
            p.restore();
            break;
        }
    }
}

} // namespace sv

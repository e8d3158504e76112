#include "widgets/ShadowLabel.h"

#include <QPainter>

namespace sv {

ShadowLabel::ShadowLabel(QWidget* parent, const QString& text) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setText(text);
    adjustSize();
}

void ShadowLabel::setCaption(const QString& text) {
    if (text == this->text()) {
        return; // nothing to lay out or repaint
    }
    setText(text);
    adjustSize();
}

void ShadowLabel::setCaptionFont(const QFont& font) {
    setFont(font);
    adjustSize();
}

QSize ShadowLabel::sizeHint() const {
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(text()), metrics.height()) + QSize(1, 1);
}

void ShadowLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect textArea = rect().adjusted(0, 0, -1, -1);
    p.setPen(Qt::white);
    p.drawText(textArea.translated(1, 1), Qt::AlignLeft | Qt::AlignVCenter, text());
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter, text());
}

} // namespace sv

#include "widgets/ShadowLabel.h"

namespace sv {

ShadowLabel::ShadowLabel(QWidget* parent, const QString& text)
    : front(new QLabel(text, parent)), back(new QLabel(text, parent)) {
    front->setStyleSheet(QStringLiteral("color: #404040; background: transparent;"));
    back->setStyleSheet(QStringLiteral("color: #FFFFFF; background: transparent;"));
    for (QLabel* l : {front, back}) {
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        l->adjustSize();
    }
    front->raise();
}

void ShadowLabel::move(QPoint frontPos) {
    back->move(frontPos + QPoint(1, 1));
    front->move(frontPos);
    front->raise();
}

void ShadowLabel::setText(const QString& text) {
    if (text == front->text()) {
        return; // nothing to lay out or repaint
    }
    for (QLabel* l : {front, back}) {
        l->setText(text);
        l->adjustSize();
    }
}

void ShadowLabel::setFont(const QFont& font) {
    for (QLabel* l : {front, back}) {
        l->setFont(font);
        l->adjustSize();
    }
}

} // namespace sv

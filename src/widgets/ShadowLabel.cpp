#include "widgets/ShadowLabel.h"

namespace sv {

ShadowLabel::ShadowLabel(QWidget* parent, const QString& objectName, const QString& text)
    : front(new QLabel(text, parent)), back(new QLabel(text, parent)) {
    front->setObjectName(objectName + QStringLiteral("1"));
    back->setObjectName(objectName + QStringLiteral("2"));
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
    for (QLabel* l : {front, back}) {
        l->setText(text);
        l->adjustSize();
    }
}

} // namespace sv

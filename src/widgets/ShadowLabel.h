#pragma once
// A shadowed caption: two labels, the dark grey copy in front and the white copy one pixel
// (15 twips) below and to the right, so the white shows as a light edge.

#include <QLabel>

namespace sv {

struct ShadowLabel {
    QLabel* front = nullptr; // copy (1), dark grey
    QLabel* back = nullptr;  // copy (2), white

    ShadowLabel() = default;
    ShadowLabel(QWidget* parent, const QString& text);

    void move(QPoint frontPos);
    void setText(const QString& text);
    void setFont(const QFont& font);
    QString text() const { return front->text(); }
};

} // namespace sv

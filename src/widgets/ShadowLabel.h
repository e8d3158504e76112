#pragma once
// A shadowed caption: dark grey text with a white copy one pixel (15 twips) below and to the
// right, so the white shows as a light edge. One label, read once by screen readers; its
// position is the dark text's, and it is one pixel wider and taller than the text for the
// shadow.

#include <QLabel>

namespace sv {

class ShadowLabel : public QLabel {
    Q_OBJECT
public:
    ShadowLabel(QWidget* parent, const QString& text);

    // Sets the text and fits the label to it.
    void setCaption(const QString& text);
    void setCaptionFont(const QFont& font);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace sv

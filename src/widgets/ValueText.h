#pragma once
// A line of text a window changes as often as a pick ticks: painted straight onto its place,
// at a fixed width, with no editing, selection or layout of its own. Optionally in a colour of
// its own on a background of its own (a sample of text on a colour). Screen readers read it as
// static text named by its name, its value the text.

#include <QColor>
#include <QWidget>

namespace sv {

class ValueText : public QWidget {
    Q_OBJECT
public:
    // Wide enough for characters digits.
    ValueText(const QString& name, int characters, QWidget* parent = nullptr);

    QString text() const { return text_; }
    void setText(const QString& text);

    // Paints the text in text on back; without, in the palette's colours on the window's.
    void setColors(const QColor& text, const QColor& back);
    QColor textColor() const { return textColor_; }
    QColor backColor() const { return backColor_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    QColor textColor_;
    QColor backColor_;
};

} // namespace sv

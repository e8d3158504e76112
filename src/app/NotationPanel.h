#pragma once
// The seven code notations of the current colour, each in a read-only field under its label
// with a copy button beside it.

#include "color/Color.h"

#include <QWidget>
#include <array>

class QLineEdit;

namespace sv {

class ImageButton;

class NotationPanel : public QWidget {
    Q_OBJECT
public:
    explicit NotationPanel(QWidget* parent);

    QLineEdit* field(Notation n) const { return fields_[index(n)]; }
    ImageButton* copyButton(Notation n) const { return copyButtons_[index(n)]; }

    // Writes every notation of c.
    void showColor(ColorValue c);

    // Puts a field's text, exactly as shown, alone on the clipboard and leaves the field
    // focused with all of its text selected, so the user sees what was copied.
    void copyToClipboard(Notation n);

private:
    static std::size_t index(Notation n) { return static_cast<std::size_t>(n); }

    std::array<QLineEdit*, kNotationCount> fields_{};
    std::array<ImageButton*, kNotationCount> copyButtons_{};
};

} // namespace sv

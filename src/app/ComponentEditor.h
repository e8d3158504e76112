#pragma once
// The red, green and blue of the current colour, each as a three-digit field with a slider.
//
// The user types digits (anything else is refused; pasted text keeps its digits), steps a field
// with Up/Down and Page Up/Page Down, or presses and releases a slider, which writes its value
// into its field. Every such change is a colour being edited; Enter makes it the colour shown.
// An empty field never stands: it becomes "0".

#include "color/Color.h"

#include <QWidget>
#include <array>

class QLineEdit;

namespace sv {

class Slider;

class ComponentEditor : public QWidget {
    Q_OBJECT
public:
    explicit ComponentEditor(QWidget* parent);

    QLineEdit* field(Channel c) const { return fields_[index(c)]; }
    Slider* slider(Channel c) const { return sliders_[index(c)]; }

    // The colour of the three fields, each above 255 counting as 255.
    ColorValue color() const;

    // Shows a colour without announcing an edit.
    void showColor(ColorValue c);

signals:
    // The fields changed by the user: the colour is being edited.
    void colorEdited(sv::ColorValue color);
    // Enter in a field: the fields' colour is to be shown.
    void colorEntered(sv::ColorValue color);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static std::size_t index(Channel c) { return static_cast<std::size_t>(c) - 1; }
    // A field changed by the user, by a step key or by its slider.
    void fieldEdited(QLineEdit* field);
    void editField(QLineEdit* field, int value);
    void keepDigits(QLineEdit* field);
    void insertDigits(QLineEdit* field, const QString& text);
    bool keyPressed(QLineEdit* field, QKeyEvent* event);
    void moveSliders();

    std::array<QLineEdit*, 3> fields_{};
    std::array<Slider*, 3> sliders_{};
};

} // namespace sv

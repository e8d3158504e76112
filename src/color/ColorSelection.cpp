#include "color/ColorSelection.h"

namespace sv {

ColorSelection::ColorSelection(QObject* parent) : QObject(parent) {}

void ColorSelection::reset(ColorValue c) {
    current_ = c;
    previous_ = c;
    shown_ = c;
    emit changed(current_, previous_);
}

void ColorSelection::restore(ColorValue current, ColorValue previous) {
    current_ = current;
    previous_ = previous;
    shown_ = current;
    emit changed(current_, previous_);
}

void ColorSelection::setCurrent(ColorValue c) {
    // Before any colour was shown, the previous colour is what the current one held.
    if (!shown_) {
        previous_ = current_;
    } else if (*shown_ != c) {
        previous_ = *shown_;
    }
    shown_ = c;
    current_ = c;
    emit changed(current_, previous_);
}

void ColorSelection::editCurrent(ColorValue c) {
    if (c == current_) {
        return;
    }
    current_ = c;
    emit currentEdited(current_);
}

} // namespace sv

#pragma once
// Strips of colours that the keyboard walks (the gradient strips, the colour-names strip): a
// screen reader reads one as a slider whose value is the place the keyboard acts on, described
// by the colour there, and hears each move of that place.

#include "color/Color.h"

#include <optional>

class QWidget;

namespace sv {

class WalkableStrip {
public:
    virtual ~WalkableStrip() = default;
    // The place the keyboard acts on, from 0 to lastPlace().
    virtual int stripPlace() const = 0;
    virtual int lastStripPlace() const = 0;
    virtual std::optional<ColorValue> stripColor() const = 0;
};

// Makes strips read so; called by each strip as it is made (a second call changes nothing).
void installStripAccessibility();

// Tells screen readers that a strip's place moved.
void stripPlaceMoved(QWidget* strip);

} // namespace sv

#pragma once
// The one owner of the current colour and the "Last color". Colour sources (the palette, the
// strips, the pickers, the tool windows) only emit the colours they give; the main window alone
// connects them here, and every view follows this object's signals. Nothing else holds the
// colour.
//
// Two kinds of change:
// - setCurrent() shows a colour: the notations, the component fields, the sliders and the
//   strips follow, and the colour shown before becomes the previous colour (showing the same
//   colour again keeps the previous one);
// - editCurrent() changes the current colour alone, while the user is still typing a component
//   or trying a colour from the blend strip: the notations and the previous colour wait for
//   the next setCurrent().

#include "color/Color.h"

#include <QObject>
#include <optional>

namespace sv {

class ColorSelection : public QObject {
    Q_OBJECT
public:
    explicit ColorSelection(QObject* parent = nullptr);

    ColorValue current() const { return current_; }
    ColorValue previous() const { return previous_; }

    // Starts over on one colour: current and previous are both c, as at start-up.
    void reset(ColorValue c);
    // Puts back a current and previous colour read earlier (a pick that was cancelled).
    void restore(ColorValue current, ColorValue previous);
    // Shows c: emits changed() exactly once per call, even when c is already current, so a
    // pick that lands on the colour it started from still refreshes every view.
    void setCurrent(ColorValue c);
    // The current colour alone; emits currentEdited() when it differs.
    void editCurrent(ColorValue c);

signals:
    void changed(sv::ColorValue current, sv::ColorValue previous);
    void currentEdited(sv::ColorValue current);

private:
    ColorValue current_ = kWhite;
    ColorValue previous_ = kWhite;
    // The colour the notations show; none before the first one is shown.
    std::optional<ColorValue> shown_;
};

} // namespace sv

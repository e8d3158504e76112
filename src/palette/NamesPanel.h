#pragma once
// The colour-names panel: two lists of the 2031 named colours and a 256-cell strip that runs
// from the first list's colour to the second's. A cell click picks its colour; with dragging
// on, cells are dragged onto the palette instead. The panel is dragged by its body.

#include "color/Color.h"
#include "widgets/Panel.h"

class QCheckBox;
class QComboBox;

namespace sv {

class ImageButton;
class NamedStrip;

class NamesPanel : public Panel {
    Q_OBJECT
public:
    // List positions of "Yellow" and "Sunset", the panel's first pair.
    static constexpr int kYellowPosition = 2005;
    static constexpr int kSunsetPosition = 1779;

    explicit NamesPanel(QWidget* parent);

    QComboBox* firstList() const { return firstList_; }
    QComboBox* secondList() const { return secondList_; }
    NamedStrip* strip() const { return strip_; }
    QCheckBox* dragCheck() const { return dragCheck_; }
    ImageButton* closeButton() const { return closeButton_; }

    // Adds name index (1 .. 2031) to the end of both lists, leaving neither with a selection:
    // for a caller that shows progress name by name.
    void appendName(int index);
    // All 2031 names at once.
    void fillNames();

    // Shows the panel at pos with "Yellow" chosen in the first list (and "Sunset" in the
    // second the first time).
    void open(QPoint pos);

signals:
    void colorPicked(sv::ColorValue color);

private:
    // A new first colour: the second list gets "Sunset" if it has no name yet, then the strip.
    void firstChosen();
    // A new second colour: the strip from the first list's colour to the second's (a list
    // without a selection counts as black).
    void paintStrip();

    QComboBox* firstList_;
    QComboBox* secondList_;
    NamedStrip* strip_;
    QCheckBox* dragCheck_;
    ImageButton* closeButton_;
};

} // namespace sv

#pragma once
// The two name lists of the colour-names panel (cmb1 first colour, cmb2 second colour) and
// how choosing in them paints the strip. Position p of either list holds name p + 1.

#include <QObject>

class QComboBox;

namespace sv {

class NamedStrip;

class NamedColorLists : public QObject {
    Q_OBJECT
public:
    // List positions of "Yellow" and "Sunset", the panel's first pair.
    static constexpr int kYellowPosition = 2005;
    static constexpr int kSunsetPosition = 1779;

    // Takes over the clicks of both lists; they should already be filled.
    NamedColorLists(QComboBox* cmb1, QComboBox* cmb2, NamedStrip* strip, QObject* parent = nullptr);

    // Fills both lists with the 2031 names in table order, leaving neither with a selection.
    static void fillNameLists(QComboBox* cmb1, QComboBox* cmb2);
    // Adds name index (1 .. 2031) to the end of both lists, quietly and leaving neither with
    // a selection: for a caller that shows progress name by name.
    static void appendName(QComboBox* cmb1, QComboBox* cmb2, int index);

    // A new first colour: gives cmb2 "Sunset" if it has no name yet, then paints.
    void cmb1Click();
    // A new second colour: paints the strip from cmb1's colour to cmb2's (a list without a
    // selection counts as black).
    void cmb2Click();
    // What opening the panel does: "Yellow" in cmb1, which runs its click.
    void openPanel();

private:
    QComboBox* cmb1_;
    QComboBox* cmb2_;
    NamedStrip* strip_;
};

} // namespace sv

#pragma once
// The system colour dialog: modal over the main window, starting on the current colour, its
// 16 custom colours kept for the whole run (all near-white, 254, 254, 254, at first).

#include "color/Color.h"

#include <QColor>
#include <array>
#include <functional>
#include <optional>

class QWidget;

namespace sv {

class ColorDialog {
public:
    // The modal step: shows a dialog over owner starting on initial, with the custom colours
    // already in QColorDialog; gives the chosen colour, or nothing when the user cancels.
    using ExecStep = std::function<std::optional<QColor>(QWidget* owner, const QColor& initial)>;

    static constexpr ColorValue kFirstCustomColor = 0xFEFEFE;

    // Without a step, a QColorDialog is shown.
    explicit ColorDialog(ExecStep exec = {});

    // The chosen colour; empty when the user cancels (any failure counts as a cancel).
    std::optional<ColorValue> choose(QWidget* owner, ColorValue current);

    const std::array<ColorValue, 16>& customColors() const { return custom_; }

    // The real dialog: Qt's own (so the custom colours show), modal, centred on its owner.
    static std::optional<QColor> execQColorDialog(QWidget* owner, const QColor& initial);

private:
    ExecStep exec_;
    std::array<ColorValue, 16> custom_;
};

} // namespace sv

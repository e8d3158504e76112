#pragma once
// The Options window: the four program options as option buttons and mask pictures. There is
// no OK or Cancel: every click is stored at once, in memory and in the settings store.

#include "palette/MaskPictures.h"
#include "widgets/ToolWindow.h"

#include <array>

class QButtonGroup;
class QRadioButton;

namespace sv {

class CaptionedLine;
class MaskChoice;
class Options;

class OptionsWindow : public ToolWindow {
    Q_OBJECT
public:
    // Reads the stored options into `options` and shows them.
    OptionsWindow(QWidget* mainWindow, Options& options);

    // The button of an option's choice (1-based, as the stored values are); null for any other.
    QRadioButton* stopButton(int choice) const;
    QRadioButton* gradientButton(int choice) const;
    QRadioButton* zoomButton(int choice) const;
    MaskChoice* maskChoice(int choice) const;
    // The four headings, top to bottom.
    CaptionedLine* heading(int index) const;

private:
    void chooseMask(SwatchMask mask);
    void fitButtonsToTheirText();

    Options& options_;
    std::array<QRadioButton*, 2> stopButtons_{};
    std::array<QRadioButton*, 2> gradientButtons_{};
    std::array<QRadioButton*, 3> zoomButtons_{};
    std::array<MaskChoice*, kMaskCount> maskChoices_{};
    std::array<CaptionedLine*, 4> headings_{};
};

} // namespace sv

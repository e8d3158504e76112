#pragma once
// The Options window: the four program options as option buttons and mask pictures. There is
// no OK or Cancel: every click is stored at once, in memory and in the settings store.

#include "settings/OptionValues.h"
#include "widgets/ToolWindow.h"

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
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
    // The five headings, top to bottom.
    CaptionedLine* heading(int index) const;
    QCheckBox* loupeBox() const { return loupe_; }
    // The sample sizes, 1 × 1 to 9 × 9, in that order.
    QComboBox* sampleSizeBox() const { return sampleSize_; }
    // "Off", then the built-in format names.
    QComboBox* copyFormatBox() const { return copyFormat_; }

private:
    void chooseMask(SwatchMask mask);
    void fitButtonsToTheirText();
    void buildPickChoices(int top);

    Options& options_;
    std::array<QRadioButton*, 2> stopButtons_{};
    std::array<QRadioButton*, 2> gradientButtons_{};
    std::array<QRadioButton*, 3> zoomButtons_{};
    std::array<MaskChoice*, kMaskCount> maskChoices_{};
    std::array<CaptionedLine*, 5> headings_{};
    QCheckBox* loupe_ = nullptr;
    QComboBox* sampleSize_ = nullptr;
    QComboBox* copyFormat_ = nullptr;
};

} // namespace sv

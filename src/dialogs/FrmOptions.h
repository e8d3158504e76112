#pragma once
// The Options window: the four program options as option buttons and mask pictures. There is
// no OK or Cancel: every click is stored at once, in memory and in the settings store.

#include "widgets/ToolWindow.h"

#include <array>

class QButtonGroup;
class QRadioButton;

namespace sv {

class ActiveLine;
class MaskChoice;
class Options;

class FrmOptions : public ToolWindow {
    Q_OBJECT
public:
    // Reads the stored options into `options` and shows them.
    FrmOptions(QWidget* mainWindow, Options& options);

    // 1-based, as the option-button arrays are; null for any other index.
    QRadioButton* optStop(int index) const;
    QRadioButton* optGradient(int index) const;
    QRadioButton* optZoom(int index) const;
    MaskChoice* picMask(int index) const;
    // The four headings, top to bottom.
    ActiveLine* heading(int index) const;

private:
    void chooseMask(int index);

    Options& options_;
    std::array<QRadioButton*, 2> optStop_{};
    std::array<QRadioButton*, 2> optGradient_{};
    std::array<QRadioButton*, 3> optZoom_{};
    std::array<MaskChoice*, 5> picMask_{};
    std::array<ActiveLine*, 4> headings_{};
};

} // namespace sv

#pragma once
// The bitmap colour window: lists the distinct colours of a picture and writes them as an
// HTML colour table.

#include "widgets/ToolWindow.h"

#include <array>

namespace sv {

class ActiveLine;
class SMButton;
class XP_ProgressBar;

class FrmIMG : public ToolWindow {
    Q_OBJECT
public:
    explicit FrmIMG(QWidget* mainWindow);

    // 1 open, 2 paste, 3 generate, 4 open the page; null for any other index.
    SMButton* btnDlgIMG(int index) const;
    SMButton* btnClose() const { return closeButton(); }
    ActiveLine* lineBits() const { return lineBits_; }
    XP_ProgressBar* pb() const { return pb_; }

private:
    std::array<SMButton*, 4> btnDlgIMG_{};
    ActiveLine* lineBits_ = nullptr;
    XP_ProgressBar* pb_ = nullptr;
};

} // namespace sv

#include "app/ToolWindows.h"

#include "app/MagnifierScreenshots.h"
#include "app/PortalPicker.h"
#include "bitmap/PictureColorsWindow.h"
#include "color/ColorSelection.h"
#include "dialogs/AboutWindow.h"
#include "dialogs/ColorDetailsWindow.h"
#include "dialogs/ColorDialog.h"
#include "dialogs/OptionsWindow.h"
#include "gradient/ColorGridWindow.h"
#include "gradient/GradientGeneratorWindow.h"
#include "history/HistoryWindow.h"
#include "palette/PaletteModel.h"
#include "settings/Options.h"
#include "widgets/ImageButton.h"
#include "widgets/PlainText.h"
#include "zoom/MagnifierWindow.h"

#include <QScreen>

namespace sv {

namespace {

void showActive(ToolWindow* w) {
    w->show();
    w->raise();
    w->activateWindow(); // the keyboard goes where the user just asked to work
}

// Against the main window's right edge, level with its palette.
void showPlaced(ToolWindow* w, const QWidget& mainWindow, double insetTwips) {
    w->placeAgainst(mainWindow, insetTwips);
    showActive(w);
}

} // namespace

ToolWindows::ToolWindows(QWidget& mainWindow, Options& options, const ColorSelection& selection,
                         PaletteModel& palette, ScreenReader& screen, HistoryStore& history)
    : QObject(&mainWindow), main_(mainWindow), optionValues_(options), selection_(selection),
      palette_(palette), screen_(screen), historyStore_(history) {}

ToolWindows::~ToolWindows() = default;

GradientGeneratorWindow* ToolWindows::gradientGenerator() const {
    return gradientGenerator_;
}
OptionsWindow* ToolWindows::optionsWindow() const {
    return options_;
}
PictureColorsWindow* ToolWindows::pictureColors() const {
    return pictureColors_;
}
MagnifierWindow* ToolWindows::magnifier() const {
    return magnifier_;
}
ColorGridWindow* ToolWindows::colorGrid() const {
    return colorGrid_;
}
AboutWindow* ToolWindows::about() const {
    return about_;
}
ColorDetailsWindow* ToolWindows::colorDetails() const {
    return colorDetails_;
}
HistoryWindow* ToolWindows::history() const {
    return history_;
}

void ToolWindows::showGradientGenerator() {
    if (gradientGenerator_ == nullptr) {
        gradientGenerator_ = new GradientGeneratorWindow(&main_, palette_);
    }
    showPlaced(gradientGenerator_, main_, kToolInset);
}

void ToolWindows::showOptions() {
    if (options_ == nullptr) {
        options_ = new OptionsWindow(&main_, optionValues_);
    }
    showPlaced(options_, main_, kToolInset);
}

void ToolWindows::showPictureColors() {
    if (pictureColors_ == nullptr) {
        pictureColors_ = new PictureColorsWindow(&main_);
    }
    showPlaced(pictureColors_, main_, kToolInset);
}

void ToolWindows::showMagnifier() {
    delete magnifier_.data();
    magnifier_ = new MagnifierWindow(&main_, screen_, optionValues_, selection_);
    if (picksThroughPortal()) {
        auto* screenshots = new MagnifierScreenshots(*magnifier_);
        connect(screenshots, &MagnifierScreenshots::messageDue, magnifier_,
                [w = magnifier_.data()](const QString& text) {
                    openMessage(w, QMessageBox::Information, text);
                });
    }
    connect(magnifier_, &MagnifierWindow::screenUnreadable, this, &ToolWindows::screenUnreadable);
    connect(magnifier_, &MagnifierWindow::colorPicked, this, &ToolWindows::colorPicked);
    connect(magnifier_, &MagnifierWindow::colorPicked, this, &ToolWindows::pickKept);
    showPlaced(magnifier_, main_, kMagnifierInset);
}

void ToolWindows::showColorGrid() {
    if (colorGrid_ != nullptr && colorGrid_->isVisible()) {
        colorGrid_->repaintFromPalette();
        return;
    }
    delete colorGrid_.data();
    colorGrid_ = new ColorGridWindow(&main_, palette_);
    // Maximised, its style-sheet panel lands near the top-left corner of the screen.
    colorGrid_->showMaximized();
    colorGrid_->activateWindow();
}

void ToolWindows::showAbout() {
    if (about_ == nullptr) {
        about_ = new AboutWindow(&main_);
        connect(about_, &AboutWindow::mainWindowPutOnTop, this, &ToolWindows::mainWindowPutOnTop);
    }
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void ToolWindows::showColorDetails() {
    if (colorDetails_ == nullptr) {
        colorDetails_ = new ColorDetailsWindow(&main_, selection_, optionValues_.store());
        connect(colorDetails_, &ColorDetailsWindow::colorChosen, this, &ToolWindows::colorPicked);
        connect(colorDetails_, &ColorDetailsWindow::pairChosen, this, &ToolWindows::pairChosen);
        connect(colorDetails_, &ColorDetailsWindow::paletteFillRequested, this,
                &ToolWindows::fillPalette);
    }
    // Beside the main window: over it, it would hide the notations and the palette it explains.
    const QScreen* screen = main_.screen();
    const QRect area = screen != nullptr ? screen->availableGeometry() : QRect();
    const TwipRect frame = twipGeometry(*colorDetails_);
    const TwipPoint at = besideWindowPlacement(
        twipGeometry(main_), frame.width, frame.height,
        {double(area.x()) * kTwipsPerPixel, double(area.y()) * kTwipsPerPixel,
         double(area.width()) * kTwipsPerPixel, double(area.height()) * kTwipsPerPixel});
    colorDetails_->move(pixelsFromTwips(at.left, at.top));
    showActive(colorDetails_);
}

void ToolWindows::showHistory() {
    if (history_ == nullptr) {
        history_ = new HistoryWindow(&main_, historyStore_);
        connect(history_, &HistoryWindow::colorChosen, this, &ToolWindows::colorPicked);
    }
    showPlaced(history_, main_, kToolInset);
    history_->list()->setFocus();
}

void ToolWindows::fillPalette(const std::vector<ColorValue>& colors) {
    std::vector<int> empty;
    for (int i = 1; i <= Palette::kSize && empty.size() < colors.size(); ++i) {
        if (palette_.isEmpty(i)) {
            empty.push_back(i);
        }
    }
    if (empty.size() < colors.size()) {
        openMessage(colorDetails_, QMessageBox::Information,
                    tr("The palette has %1 empty swatches; these colours need %2. Empty some "
                       "swatches and try again.")
                        .arg(empty.size())
                        .arg(colors.size()));
        return;
    }
    for (std::size_t k = 0; k < colors.size(); ++k) {
        palette_.setColor(empty[k], colors[k]);
    }
}

void ToolWindows::chooseSystemColor() {
    if (const auto chosen = sv::chooseSystemColor(&main_, selection_.current())) {
        emit colorPicked(*chosen);
    }
}

} // namespace sv

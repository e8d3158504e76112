#pragma once
// The one place that makes, places and shows the tool windows of the main window, and runs the
// system colour dialog. Each tool window is made when first shown and destroyed when closed.

#include "color/Color.h"

#include <QObject>
#include <QPointer>
#include <vector>

class QWidget;

namespace sv {

class AboutWindow;
class ColorDetailsWindow;
class ColorGridWindow;
class ColorSelection;
class GradientGeneratorWindow;
class HistoryStore;
class HistoryWindow;
class MagnifierWindow;
class Options;
class OptionsWindow;
class PictureColorsWindow;
class ScreenReader;
class PaletteModel;

class ToolWindows : public QObject {
    Q_OBJECT
public:
    // palette is the main window's palette, which the generator fills and the grid shows.
    ToolWindows(QWidget& mainWindow, Options& options, const ColorSelection& selection,
                PaletteModel& palette, ScreenReader& screen, HistoryStore& history);
    ~ToolWindows() override;

    void showGradientGenerator();
    void showOptions();
    void showPictureColors();
    // Always a fresh magnifier.
    void showMagnifier();
    // Repaints a visible grid from the palette; otherwise makes a fresh one.
    void showColorGrid();
    void showAbout();
    // The current colour in today's notations, its contrast on the last colour, its name.
    void showColorDetails();
    // The system colour dialog over the main window, starting on the current colour; a
    // confirmed colour is shown.
    void chooseSystemColor();
    // The kept picks, newest first.
    void showHistory();

    // The windows while they are open (null otherwise).
    GradientGeneratorWindow* gradientGenerator() const;
    OptionsWindow* optionsWindow() const;
    PictureColorsWindow* pictureColors() const;
    MagnifierWindow* magnifier() const;
    ColorGridWindow* colorGrid() const;
    AboutWindow* about() const;
    ColorDetailsWindow* colorDetails() const;
    HistoryWindow* history() const;

signals:
    // The About window's message put the main window back on top.
    void mainWindowPutOnTop();
    // The magnifier cannot read the screen on this platform.
    void screenUnreadable();
    // The magnifier or the colour dialog gave a colour.
    void colorPicked(sv::ColorValue color);
    // The magnifier kept a pick.
    void pickKept(sv::ColorValue color);
    // The details window chose a passing colour: these are the current and last colours now.
    void pairChosen(sv::ColorValue current, sv::ColorValue previous);

private:
    // Puts colors into the palette's first empty swatches; with too few, nothing changes and
    // a message says so.
    void fillPalette(const std::vector<ColorValue>& colors);

    QWidget& main_;
    Options& optionValues_;
    const ColorSelection& selection_;
    PaletteModel& palette_;
    ScreenReader& screen_;
    HistoryStore& historyStore_;
    QPointer<GradientGeneratorWindow> gradientGenerator_;
    QPointer<OptionsWindow> options_;
    QPointer<PictureColorsWindow> pictureColors_;
    QPointer<MagnifierWindow> magnifier_;
    QPointer<ColorGridWindow> colorGrid_;
    QPointer<AboutWindow> about_;
    QPointer<ColorDetailsWindow> colorDetails_;
    QPointer<HistoryWindow> history_;
};

} // namespace sv

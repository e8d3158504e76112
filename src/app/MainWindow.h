#pragma once
// The main window: the current and last colour, the seven notations, the component editor, the
// palette grid, the gradient strips, the colour-names panel and the command buttons, under its
// own title bar. It owns the colour selection and wires every colour source and every view to
// it; the parts do the work.

#include "app/CommandButtons.h"
#include "color/ColorSelection.h"

#include <QWidget>
#include <memory>

namespace sv {

class ColorBox;
class ComponentEditor;
class FileDialogs;
class FrozenFramePick;
class HistoryStore;
class GradientStrips;
class NamesPanel;
class NotationPanel;
class Options;
class Panel;
class PaletteCommands;
class PointerMotionWatcher;
class PointerReadout;
class ScreenReader;
class PortalPicker;
class ScreenSampler;
class PaletteModel;
class SwatchGrid;
class TitleBar;
class ToolWindows;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    // The window's one size, in logical pixels.
    static constexpr QSize kSize{756, 466};

    MainWindow(ScreenReader& screen, Options& options, QWidget* parent = nullptr);
    ~MainWindow() override;

    ColorSelection& selection() { return selection_; }

    TitleBar* titleBar() const { return titleBar_; }
    PointerReadout* pointerReadout() const { return readout_; }
    ColorBox* currentSwatch() const { return currentSwatch_; }
    ColorBox* previousSwatch() const { return previousSwatch_; }
    NotationPanel* notations() const { return notations_; }
    ComponentEditor* editor() const { return editor_; }
    GradientStrips* gradientStrips() const { return strips_; }
    SwatchGrid* swatchGrid() const { return grid_; }
    PaletteModel* paletteModel() const { return paletteModel_; }
    PaletteCommands* paletteCommands() const { return paletteCommands_; }
    NamesPanel* namesPanel() const { return namesPanel_; }
    ScreenSampler* sampler() const { return sampler_; }
    // The desktop-portal pick, where the screen cannot be read (null elsewhere).
    PortalPicker* portalPicker() const { return portalPicker_; }
    // The frozen pick over the desktop's own pixels (Shift+F9), where the screen can be read.
    FrozenFramePick* frozenPick() const { return frozenPick_; }
    HistoryStore* history() const { return history_; }
    ToolWindows* toolWindows() const { return toolWindows_; }
    const CommandButtons& commands() const { return commands_; }

    // The dialogs the palette commands ask for files (tests put a double here).
    void setFileDialogs(FileDialogs& dialogs);
    // Fills the palette from "Default.pal" or the built-in palette and starts on the colour of
    // swatch 1 (white when that swatch is empty).
    void loadStartPalette();

    // Starts a pick as F9 does, unless one runs already, bringing the window back first when it
    // is minimised. With copyWhenKept, the kept colour goes to the clipboard even where the
    // options copy nothing (then as the HTML notation).
    void startPick(bool copyWhenKept = false);
    bool isPicking() const;

    bool isOnTop() const;
    void setOnTop(bool onTop);

signals:
    // A pick ended: F9's, the frozen one's, the portal's or the magnifier's.
    void pickKept(sv::ColorValue color);
    void pickCancelled();
    void pickFailed(const QString& why);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildColorViews();
    void buildPalette();
    void connectColorSources();
    void connectCommands();
    // Redraws the strips for the current and last colour, unless a pick runs and they wait
    // for its end.
    void refreshStrips();
    // F9 and "Color from Screen": starts the live pick with the options' sample size and loupe,
    // or keeps the colour of a running one.
    void togglePick();
    // Shift+F9: the same pick over a still image of the whole desktop.
    void startFrozenPick();
    void connectPicks();
    void showWaylandNoticeOnce();
    // Every kept pick: into the history, and onto the clipboard where the options say so.
    void keepPick(sv::ColorValue color);

    ScreenReader& screen_;
    Options& options_;
    ColorSelection selection_;
    std::unique_ptr<PointerMotionWatcher> pointerWatcher_;

    TitleBar* titleBar_ = nullptr;
    PointerReadout* readout_ = nullptr;
    ColorBox* currentSwatch_ = nullptr;
    ColorBox* previousSwatch_ = nullptr;
    NotationPanel* notations_ = nullptr;
    ComponentEditor* editor_ = nullptr;
    GradientStrips* strips_ = nullptr;
    Panel* palettePanel_ = nullptr;
    PaletteModel* paletteModel_ = nullptr;
    SwatchGrid* grid_ = nullptr;
    std::unique_ptr<FileDialogs> ownFileDialogs_;
    PaletteCommands* paletteCommands_ = nullptr;
    NamesPanel* namesPanel_ = nullptr;
    ScreenSampler* sampler_ = nullptr;
    PortalPicker* portalPicker_ = nullptr;
    FrozenFramePick* frozenPick_ = nullptr;
    HistoryStore* history_ = nullptr;
    ToolWindows* toolWindows_ = nullptr;
    CommandButtons commands_;
    bool waylandNoticeShown_ = false;
    bool copyNextPick_ = false;
};

} // namespace sv

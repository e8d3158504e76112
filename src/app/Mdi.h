#pragma once
// The main window: the current and last colour, the seven notations, the component editor,
// the palette grid, the gradient strips and the command buttons, under its own title bar.

#include "color/Color.h"
#include "widgets/ShadowLabel.h"

#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>

class QCheckBox;
class QComboBox;

namespace sv {

class ActivePanel;
class ColorDialog;
class ColorPicture;
class FrmAbout;
class FrmGradeCreator;
class FrmIMG;
class FrmMaxGrid;
class FrmOptions;
class FrmZoom;
class FileDialogs;
class GradientStrip;
class NamedColorLists;
class NamedStrip;
class Options;
class PaletteCommands;
class ScreenReader;
class Slider;
class SMButton;
class SwatchGrid;

class Mdi : public QWidget {
    Q_OBJECT
public:
    Mdi(ScreenReader& screen, Options& options, QWidget* parent = nullptr);
    ~Mdi() override;

    // Writes every notation and the component fields for a colour; "Last color" takes the
    // colour shown before.
    void mostraCodigos(ColorValue c);

    ColorValue currentColor() const; // picRefer
    ColorValue lastColor() const;    // picStep
    // Sets the "Actual color" swatch alone, without the notations.
    void setCurrentColor(ColorValue c);

    // Screen sampling: the interval of tmrPick is the state (0 stopped, 50 running).
    void startSampling();
    void eventoPicRefer();
    void samplingTick();
    int pickInterval() const { return pickInterval_; }
    bool isSampling() const { return pickInterval_ > 0; }

    // The pointer readout tick (tmrMOUSE).
    void mouseReadoutTick();

    // The on-top toggle, as a click on the visible image.
    void toggleOnTop();
    bool isOnTop() const;

    // Redraws both gradient strips for the editor's colour and "Last color".
    void pintaGradiente();

    // The colour-names panel: opened by "Color Names", closed by its own button.
    void openNamesPanel();
    void closeNamesPanel();
    QComboBox* namesList(int index) const; // 1: cmb1, 2: cmb2

    // The palette grid and its commands (btnDlgNOS 1 New, 2 Open, 3 Save).
    SwatchGrid* swatchGrid() const { return grid_; }
    PaletteCommands* paletteCommands() const { return paletteCommands_; }
    void setFileDialogs(FileDialogs& dialogs);
    // "Default.pal" beside the program or in the user's data folder, else the built-in one.
    void loadStartPalette();

    // The command buttons.
    void showGradientCreator();
    void showOptions();
    void showBitmapWindow();
    void showMagnifier();
    void showColorGrid();
    void showColorDialog();
    void showAbout();
    // The tool windows while they are open (null otherwise).
    FrmGradeCreator* gradientCreator() const;
    FrmOptions* optionsWindow() const;
    FrmIMG* bitmapWindow() const;
    FrmZoom* magnifier() const;
    FrmMaxGrid* colorGrid() const;
    FrmAbout* aboutWindow() const;
    // The system colour dialog, kept for the run so its custom colours stay.
    ColorDialog& colorDialog() { return *colorDialog_; }
    void setColorDialog(std::unique_ptr<ColorDialog> dialog);

    ScreenReader& screen() { return screen_; }
    Options& options() { return options_; }

    // The field of a copy button, 1 .. 7; null for any other index.
    QLineEdit* copyField(int index) const;
    void copyToClipboard(int index);

    // 1-based accessors for the button arrays.
    SMButton* btnCopy(int index) const;
    SMButton* btnDlgNOS(int index) const;

signals:
    // A new colour was made current through the component fields.
    void componentsChanged();
    // Sampling stopped (the gradient strips wait for this under option 1).
    void samplingStopped();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildTitleBar();
    void buildColorArea();
    void buildNotationFields();
    void buildComponentFields();
    void buildCommandButtons();
    void buildEditor();
    void buildNamesPanel();
    void buildPalette();
    void connectCommands();
    void showOnTopImage(bool onTop);
    void setToolTips();

    void onVbTextChanged();
    void onComponentChanged(QLineEdit* field);
    void txtBChanged();
    ColorValue colorFromFields() const;
    bool componentKeyPress(QLineEdit* field, QKeyEvent* event);
    void showWaylandNoticeOnce();

    ScreenReader& screen_;
    Options& options_;

    ShadowLabel lblCaption_;
    std::array<ColorPicture*, 4> picTopFM_{};
    std::array<ColorPicture*, 2> imgFix_{};
    ColorPicture* imgURL_ = nullptr;
    ShadowLabel lblX_;
    ShadowLabel lblY_;

    ColorPicture* picRefer_ = nullptr;
    ColorPicture* picStep_ = nullptr;

    QLineEdit* txtHexVb_ = nullptr;
    QLineEdit* txtHexHtml_ = nullptr;
    QLineEdit* txtHexLong_ = nullptr;
    QLineEdit* txtHexC_ = nullptr;
    QLineEdit* txtHexDelphi_ = nullptr;
    QLineEdit* txtHexJava_ = nullptr;
    QLineEdit* txtHexPhotoshop_ = nullptr;
    QLineEdit* txtR_ = nullptr;
    QLineEdit* txtG_ = nullptr;
    QLineEdit* txtB_ = nullptr;

    ActivePanel* pnlContainer_ = nullptr;
    SwatchGrid* grid_ = nullptr;
    FileDialogs* fileDialogs_ = nullptr;
    std::unique_ptr<FileDialogs> ownFileDialogs_;
    PaletteCommands* paletteCommands_ = nullptr;

    std::array<Slider*, 3> sliders_{}; // HSR, HSG, HSB
    GradientStrip* picGrad1_ = nullptr;
    GradientStrip* picGrad2_ = nullptr;

    ActivePanel* pnlEdit_ = nullptr;
    QComboBox* cmb1_ = nullptr;
    QComboBox* cmb2_ = nullptr;
    NamedStrip* picEdit_ = nullptr;
    QCheckBox* chkDrag_ = nullptr;
    NamedColorLists* namedLists_ = nullptr;
    std::array<SMButton*, 7> btnCopy_{};
    std::array<SMButton*, 3> btnDlgNOS_{};

    QPointer<FrmGradeCreator> frmGradeCreator_;
    QPointer<FrmOptions> frmOptions_;
    QPointer<FrmIMG> frmIMG_;
    QPointer<FrmZoom> frmZoom_;
    QPointer<FrmMaxGrid> frmMaxGrid_;
    QPointer<FrmAbout> frmAbout_;
    std::unique_ptr<ColorDialog> colorDialog_;

    QString previousVbText_;         // the VB notation before the last write
    bool writingComponents_ = false; // mostraCodigos is writing txtR, txtG, txtB
    bool componentsPending_ = false; // ... and one of them changed
    QTimer tmrMouse_;
    QTimer tmrPick_;
    int pickInterval_ = 0;
    QPoint lastPointer_{0, 0};
    bool waylandNoticeShown_ = false;
};

} // namespace sv

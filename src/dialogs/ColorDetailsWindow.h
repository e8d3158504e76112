#pragma once
// The colour details window: the current colour in today's notations (CSS, Qt, Android,
// SwiftUI, .NET), each with its own Copy button; how readable the current colour is as text
// on the last colour (WCAG ratio and verdicts, APCA Lc, a live sample); and the nearest of the
// named colours; beside them the colour analyst (ColorAnalysisView). It follows the colour
// selection live, during a pick too. Below, the user's own formats, added from a template and kept
// in the settings file, shown and copied alike.

#include "color/Color.h"
#include "color/ColorFormats.h"
#include "settings/OwnFormats.h"
#include "widgets/ToolWindow.h"

#include <QStringList>
#include <array>
#include <functional>
#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;

namespace sv {

class ColorAnalysisView;
class ColorSelection;
class ImageButton;
class SettingsFile;

class ColorDetailsWindow : public ToolWindow {
    Q_OBJECT
public:
    // The user's own formats are read from and kept in settings.
    ColorDetailsWindow(QWidget* mainWindow, const ColorSelection& selection,
                       SettingsFile& settings);

    QLineEdit* field(ColorFormat format) const { return fields_[std::size_t(format)]; }
    ImageButton* copyButton(ColorFormat format) const { return copyButtons_[std::size_t(format)]; }
    QString contrastText() const;
    QString apcaText() const;
    // Normal text, large text and interface parts, as their lines show them.
    QStringList verdictTexts() const;
    QString nearestNameText() const;
    QLabel* sample() const { return sample_; }
    // The last colour as text on the current colour.
    QLabel* reverseSample() const { return reverseSample_; }

    // The user's own formats, one line each, in the order they were added.
    const std::vector<OwnFormat>& ownFormats() const { return ownFormats_; }
    QLineEdit* ownField(int i) const { return ownFields_.at(std::size_t(i)); }
    ImageButton* ownCopyButton(int i) const { return ownCopyButtons_.at(std::size_t(i)); }
    ImageButton* removeButton(int i) const { return removeButtons_.at(std::size_t(i)); }
    ImageButton* addFormatButton() const { return addFormat_; }
    // Passing colours, colour-vision simulation and harmonies.
    ColorAnalysisView* analysis() const { return analysis_; }

signals:
    // A harmony was chosen as the current colour.
    void colorChosen(sv::ColorValue color);
    // A passing colour was chosen: these are to be the current and the last colour.
    void pairChosen(sv::ColorValue current, sv::ColorValue previous);
    // A harmony's colours are to go into the palette's first empty swatches.
    void paletteFillRequested(const std::vector<sv::ColorValue>& colors);

private:
    void showColor(ColorValue current, ColorValue previous);
    void showOwnFormats();
    void addFormat();
    void removeFormat(std::size_t index);
    // Applies one change to the formats stored now, then shows what is stored; false (and a
    // message) when the file could not be written, and then nothing changes.
    bool changeFormats(const std::function<void(SettingsMap&)>& change);
    void fitToContent();

    std::array<QLineEdit*, kColorFormatCount> fields_{};
    std::array<ImageButton*, kColorFormatCount> copyButtons_{};
    QLineEdit* ratio_ = nullptr;
    QLineEdit* normalVerdicts_ = nullptr;
    QLineEdit* largeVerdicts_ = nullptr;
    QLineEdit* interfaceVerdict_ = nullptr;
    QLineEdit* apca_ = nullptr;
    QLabel* sample_ = nullptr;
    QLabel* largeSample_ = nullptr;
    QLabel* reverseSample_ = nullptr;
    QLabel* largeReverseSample_ = nullptr;
    QGridLayout* grid_ = nullptr;
    int labelWidth_ = 0; // the widest label of the notation rows
    QLineEdit* nearest_ = nullptr;
    QWidget* content_ = nullptr;
    QWidget* ownRows_ = nullptr;
    QGridLayout* ownGrid_ = nullptr;
    ImageButton* addFormat_ = nullptr;
    ColorAnalysisView* analysis_ = nullptr;
    SettingsFile& settings_;
    std::vector<OwnFormat> ownFormats_;
    std::vector<QLineEdit*> ownFields_;
    std::vector<ImageButton*> ownCopyButtons_;
    std::vector<ImageButton*> removeButtons_;
    ColorValue shown_ = kBlack;
    int designWidth_ = 0;
};

} // namespace sv

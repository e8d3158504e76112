#pragma once
// The one options object every window reads. main() loads it from the settings store before
// any window is made; the Options window changes it (and the store) at once.

#include "dialogs/OptionValues.h"
#include "palette/MaskPictures.h"

#include <QObject>
#include <array>

class QSettings;

namespace sv {

class Options : public QObject {
    Q_OBJECT
public:
    explicit Options(QObject* parent = nullptr);

    int value(OptionKey key) const { return values_[static_cast<int>(key)]; }
    StopCapture stopCapture() const { return StopCapture(value(OptionKey::StopCapture)); }
    CreateGradient createGradient() const {
        return CreateGradient(value(OptionKey::CreateGradient));
    }
    ZoomLevel zoom() const { return ZoomLevel(value(OptionKey::Zoom)); }
    SwatchMask swatchMask() const { return SwatchMask(value(OptionKey::IndexPicMask)); }

    // In memory only; a value outside the option's choices counts as its default.
    void set(OptionKey key, int value);
    // In memory and in the store, as decimal text under "OPTIONS".
    void setAndStore(OptionKey key, int value);

    // Reads all four (in the order StopCapture, CreateGradient, Zoom, IndexPicMask); a missing
    // or unusable stored value gives the default.
    void load();

signals:
    void changed(sv::OptionKey key, int value);

private:
    std::array<int, 4> values_{};
};

// The settings store of the program: QSettings("Spectrivue", "Spectrivue").
QSettings& settingsStore();

} // namespace sv

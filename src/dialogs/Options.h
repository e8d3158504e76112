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
    // In memory and in the store, as decimal text under "OPTIONS"; only that key is written.
    // When the store cannot take it, cannotStore() says so, once a run.
    void setAndStore(OptionKey key, int value);

    // Reads all four (in the order StopCapture, CreateGradient, Zoom, IndexPicMask); a missing
    // or unusable stored value gives the default.
    void load();

signals:
    void changed(sv::OptionKey key, int value);
    // The options cannot be saved in the settings file at path.
    void cannotStore(const QString& path);

private:
    std::array<int, 4> values_{};
    bool storeFailureReported_ = false;
};

// The program's settings file, ~/.config/Spectrivue/Spectrivue.conf.
QString settingsPath();
// The settings store of the program, its values kept as the text they are; null when the
// settings file is not one to read (a named pipe, a device, over 1 MB), which the standard
// error stream is told once.
QSettings* settingsStore();

} // namespace sv

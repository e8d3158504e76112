#pragma once
// The one options object every window reads. The splash loads it from the settings store at
// start; the Options window changes it (and the store) at once.

#include "dialogs/OptionValues.h"

#include <QObject>
#include <array>

class QSettings;

namespace sv {

class Options : public QObject {
    Q_OBJECT
public:
    explicit Options(QObject* parent = nullptr);

    int value(OptionKey key) const { return values_[static_cast<int>(key)]; }
    int stopCapture() const { return value(OptionKey::StopCapture); }
    int createGradient() const { return value(OptionKey::CreateGradient); }
    int zoom() const { return value(OptionKey::Zoom); }
    int indexPicMask() const { return value(OptionKey::IndexPicMask); }

    // In memory only.
    void set(OptionKey key, int value);
    // In memory and in the store, as decimal text under "OPTIONS".
    void setAndStore(OptionKey key, int value);

    // Reads all four (in the order StopCapture, CreateGradient, Zoom, IndexPicMask); a missing
    // or unusable stored value gives the default.
    void load();
    // Whether a usable value is stored for the key (the Options window shows the default
    // choice otherwise).
    static bool isStored(OptionKey key);

signals:
    void changed(sv::OptionKey key, int value);

private:
    std::array<int, 4> values_{};
};

// The settings store of the program: QSettings("Spectrivue", "Spectrivue").
QSettings& settingsStore();

} // namespace sv

#pragma once
// The one options object every window reads. main() loads it from the settings store before
// any window is made; the Options window changes it (and the store) at once. Windows that keep
// more in the store (the user's own formats) reach it through the options.

#include "files/SafeFile.h"
#include "settings/OptionValues.h"
#include "settings/SettingsText.h"

#include <QObject>
#include <array>
#include <functional>
#include <optional>
#include <string>

namespace sv {

// The program's settings file, ~/.config/Spectrivue/Spectrivue.conf.
QString settingsPath();

// The settings file, read and written whole at each use. Not QSettings: Qt's reader opens the
// file with a blocking open(), so a settings file replaced by a named pipe while the program
// runs would freeze it at the next option change, and it writes back values it cannot decode
// as "@Invalid()". Here every read opens the file without blocking and takes regular files of
// at most 1 MB only, and every write goes to a new file that takes the settings file's place
// only while that place still holds the file just read, or nothing.
class SettingsFile {
public:
    explicit SettingsFile(QString path) : path_(std::move(path)) {}
    const QString& fileName() const { return path_; }

    // Everything stored (empty when there is no file yet); none when the file is not one to
    // read (a named pipe, a device, a folder, over 1 MB, unreadable).
    std::optional<SettingsMap> read() const;
    // One value's text, empty when it is not stored; none when the file is not one to read.
    std::optional<std::string> value(const std::string& key) const;
    // Reads the file, edits it and writes it back; false when nothing was written.
    bool change(const std::function<void(SettingsMap&)>& edit);
    // Removes the temporary files a change cut short (a crash, a kill) left beside the file.
    void removeStaleWrites() const;

private:
    // Reads the file at path through opened, which stays open for a replace to check against.
    std::optional<SettingsMap> readOpen(const std::string& path, OpenedFile& opened) const;

    QString path_;
};

// The program's settings file.
SettingsFile& settingsFile();

class Options : public QObject {
    Q_OBJECT
public:
    // The options kept in store: main gives the program's own settings file.
    explicit Options(SettingsFile& store, QObject* parent = nullptr);

    SettingsFile& store() const { return store_; }

    int value(OptionKey key) const { return values_[static_cast<int>(key)]; }
    StopCapture stopCapture() const { return StopCapture(value(OptionKey::StopCapture)); }
    CreateGradient createGradient() const {
        return CreateGradient(value(OptionKey::CreateGradient));
    }
    ZoomLevel zoom() const { return ZoomLevel(value(OptionKey::Zoom)); }
    SwatchMask swatchMask() const { return SwatchMask(value(OptionKey::IndexPicMask)); }
    int sampleSize() const { return value(OptionKey::SampleSize); }
    bool loupe() const { return value(OptionKey::Loupe) != 0; }
    // The built-in format (builtInFormatNames) a kept pick puts on the clipboard; empty for
    // none, the default.
    const std::string& copyFormat() const { return copyFormat_; }
    // In memory and in the store ("off" for none); a name that is not a built-in one is none.
    void setAndStoreCopyFormat(const std::string& name);

    // In memory only; a value outside the option's choices counts as its default.
    void set(OptionKey key, int value);
    // In memory and in the store, as decimal text in the option's group; only that key is
    // written.
    // When the store cannot take it, cannotStore() says so, once a run.
    void setAndStore(OptionKey key, int value);

    // Reads them all (in the order of kOptionSpecs); a missing or unusable stored value gives
    // the default.
    void load();

signals:
    void changed(sv::OptionKey key, int value);
    void copyFormatChanged(const std::string& name);
    // The options cannot be saved in the settings file at path.
    void cannotStore(const QString& path);

private:
    void store(const std::string& key, const std::string& text);
    void setCopyFormat(const std::string& name);

    SettingsFile& store_;
    std::array<int, kOptionSpecs.size()> values_{};
    std::string copyFormat_;
    bool storeFailureReported_ = false;
};

} // namespace sv

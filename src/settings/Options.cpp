#include "settings/Options.h"

#include "color/Numeric.h"
#include "settings/PickFormats.h"

#include "files/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>

namespace sv {

namespace {

// How the temporary files of a change start: ".Spectrivue.conf.".
constexpr const char* kTemporaryPrefix = "Spectrivue.conf";

// A settings file larger than this is not ours to read.
constexpr std::size_t kMaxSettingsBytes = 1024 * 1024;

const std::string kCopyFormatKey = "Pick/CopyFormat";
constexpr std::string_view kCopyOff = "off";

std::string storeKey(OptionKey key) {
    const OptionSpec& spec = optionSpec(key);
    return std::string(spec.group) + '/' + std::string(spec.name);
}

std::string native(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

QString settingsPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("Spectrivue/Spectrivue.conf"));
}

std::optional<SettingsMap> SettingsFile::readOpen(const std::string& path,
                                                  OpenedFile& opened) const {
    opened = openRegularFile(path, kMaxSettingsBytes);
    if (opened.failure == OpenFailure::Missing) {
        return SettingsMap{}; // none yet: it is made on the first save
    }
    std::string text;
    if (!opened.ok() || !readAll(opened.file.fd(), text, kMaxSettingsBytes)) {
        return std::nullopt;
    }
    return readSettingsText(text);
}

std::optional<SettingsMap> SettingsFile::read() const {
    OpenedFile opened;
    return readOpen(native(path_), opened);
}

bool SettingsFile::change(const std::function<void(SettingsMap&)>& edit) {
    // A settings file kept as a link (as dotfile managers keep it) is written where it points,
    // and the link stays a link.
    const std::string target = followLinks(native(path_));
    // Read again, so a change saved meanwhile by another copy of the program is kept.
    OpenedFile opened;
    std::optional<SettingsMap> settings = readOpen(target, opened);
    if (!settings) {
        return false; // not a settings file we may replace
    }
    edit(*settings);
    const QString folder = QFileInfo(QFile::decodeName(target.c_str())).path();
    if (!QDir().mkpath(folder)) {
        return false;
    }
    const std::optional<std::string> text = writeSettingsText(*settings);
    if (!text) {
        return false; // a value that would read back as something else is never written
    }
    NewFile file;
    return file.open(native(folder), kTemporaryPrefix) && file.write(*text) &&
           file.replace(target, opened.ok() ? &opened : nullptr);
}

void SettingsFile::removeStaleWrites() const {
    const QString target = QFile::decodeName(followLinks(native(path_)).c_str());
    removeStaleTemporaryFiles(native(QFileInfo(target).path()), kTemporaryPrefix);
}

std::optional<std::string> SettingsFile::value(const std::string& key) const {
    const auto settings = read();
    if (!settings) {
        return std::nullopt;
    }
    const auto it = settings->find(key);
    return it == settings->end() ? std::string() : it->second;
}

SettingsFile& settingsFile() {
    static SettingsFile file(settingsPath());
    return file;
}

Options::Options(SettingsFile& store, QObject* parent) : QObject(parent), store_(store) {
    for (const OptionSpec& spec : kOptionSpecs) {
        values_[static_cast<int>(spec.key)] = spec.defaultValue;
    }
}

void Options::set(OptionKey key, int value) {
    if (!isOptionChoice(key, value)) {
        value = optionSpec(key).defaultValue;
    }
    int& slot = values_[static_cast<int>(key)];
    if (slot == value) {
        return;
    }
    slot = value;
    emit changed(key, value);
}

void Options::setAndStore(OptionKey key, int value) {
    set(key, value);
    store(storeKey(key), std::to_string(this->value(key)));
}

void Options::setCopyFormat(const std::string& name) {
    const auto& names = builtInFormatNames();
    const bool known = std::find(names.begin(), names.end(), name) != names.end();
    const std::string chosen = known ? name : std::string();
    if (chosen != copyFormat_) {
        copyFormat_ = chosen;
        emit copyFormatChanged(copyFormat_);
    }
}

void Options::setAndStoreCopyFormat(const std::string& name) {
    setCopyFormat(name);
    store(kCopyFormatKey, copyFormat_.empty() ? std::string(kCopyOff) : copyFormat_);
}

void Options::store(const std::string& key, const std::string& text) {
    const bool stored = store_.change([&](SettingsMap& settings) { settings[key] = text; });
    if (!stored && !storeFailureReported_) {
        storeFailureReported_ = true;
        emit cannotStore(store_.fileName());
    }
}

void Options::load() {
    const std::optional<SettingsMap> stored = store_.read();
    if (!stored) {
        std::fprintf(stderr,
                     "Spectrivue: %s is not a regular settings file of at most 1 MB; the "
                     "options start from their defaults.\n",
                     qPrintable(QDir::toNativeSeparators(store_.fileName())));
    }
    for (const OptionSpec& spec : kOptionSpecs) {
        const auto it = stored ? stored->find(storeKey(spec.key)) : SettingsMap::const_iterator();
        const bool found = stored && it != stored->end();
        set(spec.key, optionFromText(spec.key, found ? std::string_view(it->second) : ""));
    }
    const auto copy = stored ? stored->find(kCopyFormatKey) : SettingsMap::const_iterator();
    setCopyFormat(stored && copy != stored->end() ? copy->second : std::string());
}

} // namespace sv

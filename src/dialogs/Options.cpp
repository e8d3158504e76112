#include "dialogs/Options.h"

#include "color/Numeric.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTextStream>

#include <cstdio>
#include <map>
#include <sys/stat.h>

namespace sv {

namespace {

// A settings file larger than this is not ours to read: it would be held for the whole run.
constexpr qint64 kMaxSettingsBytes = 1024 * 1024;

QString storeKey(OptionKey key) {
    const std::string_view name = optionSpec(key).name;
    return QStringLiteral("OPTIONS/") + QString::fromLatin1(name.data(), qsizetype(name.size()));
}

// The settings file in INI form, every value kept as the text it is. Qt's own reader turns a
// value it cannot decode into an invalid one and writes it back as "@Invalid()"; this one
// writes back exactly what it read, so saving one option never changes another.
bool readVerbatim(QIODevice& device, QSettings::SettingsMap& map) {
    QString group;
    QTextStream in(&device);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
            group = trimmed.mid(1, trimmed.size() - 2);
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0 || trimmed.startsWith(QLatin1Char(';'))) {
            continue;
        }
        const QString key = line.left(equals).trimmed();
        map.insert(group.isEmpty() ? key : group + QLatin1Char('/') + key,
                   line.mid(equals + 1).trimmed());
    }
    return true;
}

bool writeVerbatim(QIODevice& device, const QSettings::SettingsMap& map) {
    std::map<QString, QStringList> groups;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(QLatin1Char('/'));
        const QString group = slash < 0 ? QStringLiteral("General") : it.key().left(slash);
        const QString key = slash < 0 ? it.key() : it.key().mid(slash + 1);
        groups[group].append(key + QLatin1Char('=') + it.value().toString());
    }
    QTextStream out(&device);
    for (const auto& [group, lines] : groups) {
        out << '[' << group << "]\n" << lines.join(QLatin1Char('\n')) << "\n\n";
    }
    out.flush();
    // A full disk shows only when the file's buffer is written out; failing here keeps the old
    // file, as the new one is never committed.
    auto* file = qobject_cast<QFileDevice*>(&device);
    return out.status() == QTextStream::Ok && (file == nullptr || file->flush());
}

QSettings::Format verbatimFormat() {
    // The same file Qt's native format uses on Linux: ~/.config/Spectrivue/Spectrivue.conf.
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("conf"), readVerbatim, writeVerbatim);
    return format;
}

// Whether the settings file, if there is one, is a regular file of a sensible size. A named
// pipe would block the reader for good.
bool settingsFileUsable(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        return true; // none yet: it is made on the first save
    }
    return S_ISREG(info.st_mode) && info.st_size <= kMaxSettingsBytes;
}

} // namespace

QString settingsPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("Spectrivue/Spectrivue.conf"));
}

QSettings* settingsStore() {
    // Kept for the whole run and never destroyed: every change is synced when it is made, and
    // a store torn down after the application would write with nothing left to report to.
    static QSettings* store = [] {
        const QString path = settingsPath();
        if (!settingsFileUsable(path)) {
            std::fprintf(stderr,
                         "Spectrivue: %s is not a regular settings file of at most 1 MB; the "
                         "options start from their defaults and are not saved.\n",
                         qPrintable(QDir::toNativeSeparators(path)));
            return static_cast<QSettings*>(nullptr);
        }
        return new QSettings(verbatimFormat(), QSettings::UserScope, QStringLiteral("Spectrivue"),
                             QStringLiteral("Spectrivue"));
    }();
    return store;
}

Options::Options(QObject* parent) : QObject(parent) {
    for (const OptionSpec& spec : kOptionSpecs) {
        values_[static_cast<int>(spec.key)] = spec.defaultValue;
    }
}

void Options::set(OptionKey key, int value) {
    const OptionSpec& spec = optionSpec(key);
    if (value < 1 || value > spec.maxValue) {
        value = spec.defaultValue;
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
    QSettings* store = settingsStore();
    bool stored = false;
    if (store != nullptr) {
        store->setValue(storeKey(key), QString::number(this->value(key)));
        store->sync();
        stored = store->status() == QSettings::NoError;
    }
    if (!stored && !storeFailureReported_) {
        storeFailureReported_ = true;
        emit cannotStore(settingsPath());
    }
}

void Options::load() {
    QSettings* store = settingsStore();
    for (const OptionSpec& spec : kOptionSpecs) {
        // A value of the wrong type (a list, say) reads as an empty text.
        const QString text =
            store != nullptr ? store->value(storeKey(spec.key)).toString() : QString();
        set(spec.key, optionFromText(spec.key, text.toStdString()));
    }
}

} // namespace sv

#include "dialogs/Options.h"

#include "color/Numeric.h"

#include <QSettings>

namespace sv {

namespace {

QString storeKey(OptionKey key) {
    const std::string_view name = optionSpec(key).name;
    return QStringLiteral("OPTIONS/") + QString::fromLatin1(name.data(), qsizetype(name.size()));
}

} // namespace

QSettings& settingsStore() {
    static QSettings store(QStringLiteral("Spectrivue"), QStringLiteral("Spectrivue"));
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
    settingsStore().setValue(storeKey(key), QString::number(this->value(key)));
    settingsStore().sync();
}

void Options::load() {
    for (const OptionSpec& spec : kOptionSpecs) {
        // A value of the wrong type (a list, say) reads as an empty text.
        const QString text = settingsStore().value(storeKey(spec.key)).toString();
        set(spec.key, optionFromText(spec.key, text.toStdString()));
    }
}

} // namespace sv

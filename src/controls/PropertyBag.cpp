#include "controls/PropertyBag.h"

#include "color/Numeric.h"

namespace sv {

void PropertyBag::write(const std::string& key, const std::string& value,
                        const std::string& absent) {
    if (value == absent) {
        values_.erase(key);
    } else {
        values_[key] = value;
    }
}

std::string PropertyBag::read(const std::string& key, const std::string& absent) const {
    const auto it = values_.find(key);
    return it == values_.end() ? absent : it->second;
}

void PropertyBag::writeInt(const std::string& key, std::int64_t value, std::int64_t absent) {
    write(key, std::to_string(value), std::to_string(absent));
}

std::int64_t PropertyBag::readInt(const std::string& key, std::int64_t absent) const {
    const auto it = values_.find(key);
    if (it == values_.end()) {
        return absent;
    }
    // A stored text that is not a number reads as the absent-default.
    const auto number = parseNumber(it->second);
    if (!number || *number < -9.2e18 || *number > 9.2e18) {
        return absent;
    }
    return static_cast<std::int64_t>(roundEven(*number));
}

void PropertyBag::writeBool(const std::string& key, bool value, bool absent) {
    writeInt(key, value ? -1 : 0, absent ? -1 : 0);
}

bool PropertyBag::readBool(const std::string& key, bool absent) const {
    return readInt(key, absent ? -1 : 0) != 0;
}

} // namespace sv

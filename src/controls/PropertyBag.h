#pragma once
// The key/value store in which the custom controls save their properties. A value equal to
// its absent-default is not written; reading a missing key gives the absent-default.

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace sv {

class PropertyBag {
public:
    // Text values, as they would stand in a saved window.
    void write(const std::string& key, const std::string& value, const std::string& absent);
    std::string read(const std::string& key, const std::string& absent) const;

    void writeInt(const std::string& key, std::int64_t value, std::int64_t absent);
    std::int64_t readInt(const std::string& key, std::int64_t absent) const;
    // Truth values are saved as -1 (true) and 0 (false).
    void writeBool(const std::string& key, bool value, bool absent);
    bool readBool(const std::string& key, bool absent) const;

    bool contains(const std::string& key) const { return values_.count(key) != 0; }
    const std::map<std::string, std::string>& values() const { return values_; }
    void clear() { values_.clear(); }

private:
    std::map<std::string, std::string> values_;
};

} // namespace sv

#include "dialogs/OptionValues.h"

#include "color/Numeric.h"

namespace sv {

int optionFromText(OptionKey key, std::string_view storedText) {
    const OptionSpec& spec = optionSpec(key);
    const auto v = textToInt16(storedText);
    if (!v || *v < 1 || *v > spec.maxValue) {
        return spec.defaultValue;
    }
    return *v;
}

} // namespace sv

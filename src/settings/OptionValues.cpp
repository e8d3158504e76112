#include "settings/OptionValues.h"

#include "color/AreaAverage.h"
#include "color/Numeric.h"

namespace sv {

bool isOptionChoice(OptionKey key, int value) {
    const OptionSpec& spec = optionSpec(key);
    if (value < spec.minValue || value > spec.maxValue) {
        return false;
    }
    return key != OptionKey::SampleSize || isSampleSize(value);
}

int optionFromText(OptionKey key, std::string_view storedText) {
    const OptionSpec& spec = optionSpec(key);
    const auto v = textToInt16(storedText);
    if (!v || !isOptionChoice(key, *v)) {
        return spec.defaultValue;
    }
    return *v;
}

} // namespace sv

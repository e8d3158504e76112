// Fuzz entry point for the number reader as the gradient fields use it: whatever the text,
// reading ends; a 16-bit value read from it reads again the same from its own decimal text,
// and agrees with the number the text holds rounded halves to even.

#include "color/Numeric.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace sv;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto value = textToInt16(text);
    const auto number = parseNumber(text);
    if (value) {
        if (!number || textToInt16(std::to_string(*value)) != value ||
            roundEven(*number) != double(*value)) {
            std::abort();
        }
    } else if (number && std::isfinite(*number) && roundEven(*number) >= -32768.0 &&
               roundEven(*number) <= 32767.0) {
        std::abort(); // a number in range that was refused
    }
    return 0;
}

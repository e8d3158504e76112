// Fuzz entry point for what drops carry: whatever the bytes, a colour read from them is one of
// 0 .. 0xFFFFFF and writes back to bytes that read as the same colour; a number read from them
// lies in its range and is the bytes' own decimal text.

#include "color/DragPayload.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace sv;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const auto c = readColorPayload(bytes)) {
        if (*c < 0 || *c > 0xFFFFFF || readColorPayload(colorPayload(*c)) != c) {
            std::abort();
        }
    }
    if (const auto n = readNumberPayload(bytes, 1, 256)) {
        if (*n < 1 || *n > 256 || std::to_string(*n) != bytes) {
            std::abort();
        }
    }
    return 0;
}

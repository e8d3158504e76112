// Fuzz entry point for the settings file reader: whatever the bytes, reading ends, and what is
// read writes back to a text that reads as the same settings.

#include "dialogs/SettingsText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace sv;
    const SettingsMap read =
        readSettingsText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (readSettingsText(writeSettingsText(read)) != read) {
        std::abort();
    }
    return 0;
}

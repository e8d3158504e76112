// Fuzz entry point for the settings file reader and writer: whatever the bytes, reading ends,
// and what is read writes back to a text that reads as the same settings. The bytes also make
// one name and value to write: the writer writes them so they read back as themselves or
// refuses them, and a quoted value always writes and reads back.

#include "settings/OwnFormats.h"
#include "settings/SettingsText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace sv;
    const SettingsMap read =
        readSettingsText(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::optional<std::string> back = writeSettingsText(read);
    if (!back || readSettingsText(*back) != read) {
        std::abort();
    }

    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t cut = bytes.find('\0');
    const std::string name(bytes.substr(0, cut));
    const std::string value(cut == std::string_view::npos ? "" : bytes.substr(cut + 1));
    const SettingsMap one{{name, value}};
    if (const auto text = writeSettingsText(one); text && readSettingsText(*text) != one) {
        std::abort();
    }
    const auto quoted = writeSettingsText({{"ColorFormats/Name1", quoteValue(value)}});
    if (!quoted || unquoteValue(readSettingsText(*quoted).at("ColorFormats/Name1")) != value) {
        std::abort();
    }
    return 0;
}

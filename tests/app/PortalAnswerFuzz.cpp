// Fuzz entry point for the portal's answers. The first byte chooses: a colour (the next 24
// bytes as three doubles) or a screenshot URI (the rest as text). A colour read is one of
// 0 .. 0xFFFFFF; a path read from a URI is absolute, holds no NUL and no more than the URI.

#include "app/PortalAnswer.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace sv;
    if (size == 0) {
        return 0;
    }
    if (data[0] % 2 == 0) {
        double c[3] = {0, 0, 0};
        std::memcpy(c, data + 1, std::min(size - 1, sizeof c));
        if (const auto color = portalColor(c[0], c[1], c[2])) {
            if (*color < 0 || *color > 0xFFFFFF) {
                std::abort();
            }
        }
        return 0;
    }
    const std::string_view uri(reinterpret_cast<const char*>(data + 1), size - 1);
    if (const auto path = localPathOfFileUri(uri)) {
        if (path->empty() || path->front() != '/' || path->find('\0') != std::string::npos ||
            path->size() > uri.size()) {
            std::abort();
        }
    }
    return 0;
}

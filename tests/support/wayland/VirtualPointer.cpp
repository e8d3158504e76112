// A pointer for a Wayland compositor that has no input devices (sway's headless backend),
// through wlroots' virtual pointer protocol. It stays for the whole test, so programs see one
// pointer that comes in and out of their windows as a real one does, and reads its commands
// from standard input, one a line:
//   move X Y      to a point of the output layout, in logical pixels
//   press         the left button down
//   release       the left button up
//   click         down and up
//   sleep MS      wait
// Usage: virtual_pointer WIDTH HEIGHT   (the output layout's size)

#include "virtual-pointer-client.h"

#include <wayland-client.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

struct Globals {
    wl_seat* seat = nullptr;
    zwlr_virtual_pointer_manager_v1* manager = nullptr;
};

void announce(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
              std::uint32_t) {
    auto* g = static_cast<Globals*>(data);
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && g->seat == nullptr) {
        g->seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    } else if (std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0) {
        g->manager = static_cast<zwlr_virtual_pointer_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
    }
}

void vanish(void*, wl_registry*, std::uint32_t) {}

std::uint32_t now() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<std::uint32_t>(t.tv_sec * 1000 + t.tv_nsec / 1000000);
}

constexpr std::uint32_t kLeftButton = 0x110; // BTN_LEFT

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s WIDTH HEIGHT < commands\n", argv[0]);
        return 2;
    }
    const auto width = static_cast<std::uint32_t>(std::atoi(argv[1]));
    const auto height = static_cast<std::uint32_t>(std::atoi(argv[2]));

    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "no Wayland display\n");
        return 1;
    }
    Globals globals;
    const wl_registry_listener listener{announce, vanish};
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &globals);
    wl_display_roundtrip(display);
    if (globals.manager == nullptr) {
        std::fprintf(stderr, "the compositor has no virtual pointer manager\n");
        return 1;
    }
    zwlr_virtual_pointer_v1* pointer =
        zwlr_virtual_pointer_manager_v1_create_virtual_pointer(globals.manager, globals.seat);
    wl_display_roundtrip(display);

    auto button = [&](wl_pointer_button_state state) {
        zwlr_virtual_pointer_v1_button(pointer, now(), kLeftButton, state);
        zwlr_virtual_pointer_v1_frame(pointer);
    };
    char line[256];
    int status = 0;
    while (std::fgets(line, sizeof line, stdin) != nullptr) {
        unsigned x = 0;
        unsigned y = 0;
        unsigned ms = 0;
        if (std::sscanf(line, "move %u %u", &x, &y) == 2) {
            zwlr_virtual_pointer_v1_motion_absolute(pointer, now(), x, y, width, height);
            zwlr_virtual_pointer_v1_frame(pointer);
        } else if (std::strncmp(line, "press", 5) == 0) {
            button(WL_POINTER_BUTTON_STATE_PRESSED);
        } else if (std::strncmp(line, "release", 7) == 0) {
            button(WL_POINTER_BUTTON_STATE_RELEASED);
        } else if (std::strncmp(line, "click", 5) == 0) {
            button(WL_POINTER_BUTTON_STATE_PRESSED);
            button(WL_POINTER_BUTTON_STATE_RELEASED);
        } else if (std::sscanf(line, "sleep %u", &ms) == 1) {
            const timespec pause{static_cast<time_t>(ms / 1000),
                                 static_cast<long>(ms % 1000) * 1000000L};
            nanosleep(&pause, nullptr);
        } else if (line[0] != '\n') {
            std::fprintf(stderr, "unknown command: %s", line);
            status = 2;
        }
        if (wl_display_roundtrip(display) < 0) {
            std::fprintf(stderr, "the compositor went away\n");
            return 1;
        }
    }
    zwlr_virtual_pointer_v1_destroy(pointer);
    zwlr_virtual_pointer_manager_v1_destroy(globals.manager);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return status;
}

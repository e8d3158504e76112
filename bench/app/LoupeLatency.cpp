// From outside the program, as a person sees it: how long after a pointer move the loupe shows
// the pixels round the new place.
//   loupe_latency pattern          covers the screen with a window whose every pixel has a
//                                   colour of its own (the X server paints it), until killed
//   loupe_latency measure N ZOOM   moves the pointer N times (xdotool, as a device does) and
//                                   polls the screen until the loupe's centre cell shows the
//                                   pixel now under the pointer; prints the times in ms
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kGap = 24; // the loupe's place beside the pointer

std::uint32_t patternPixel(int x, int y) {
    return std::uint32_t((x & 0xFF) << 16 | (y & 0xFF) << 8 | ((x >> 8) << 4 | (y >> 8)));
}

struct Free {
    void operator()(void* p) const { std::free(p); }
};

std::uint32_t screenPixel(xcb_connection_t* c, xcb_window_t root, int x, int y) {
    std::unique_ptr<xcb_get_image_reply_t, Free> reply(
        xcb_get_image_reply(c,
                            xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, root, std::int16_t(x),
                                          std::int16_t(y), 1, 1, ~0u),
                            nullptr));
    if (!reply) {
        return 0;
    }
    std::uint32_t v = 0;
    std::copy_n(xcb_get_image_data(reply.get()), 4, reinterpret_cast<std::uint8_t*>(&v));
    return v & 0xFFFFFF;
}

int pattern(xcb_connection_t* c, xcb_screen_t* s) {
    const int w = s->width_in_pixels;
    const int h = s->height_in_pixels;
    const xcb_pixmap_t pixmap = xcb_generate_id(c);
    xcb_create_pixmap(c, s->root_depth, pixmap, s->root, std::uint16_t(w), std::uint16_t(h));
    const xcb_gcontext_t gc = xcb_generate_id(c);
    xcb_create_gc(c, gc, pixmap, 0, nullptr);
    std::vector<std::uint32_t> row(std::size_t(w) * 16);
    for (int y = 0; y < h; y += 16) {
        const int rows = std::min(16, h - y);
        for (int dy = 0; dy < rows; ++dy) {
            for (int x = 0; x < w; ++x) {
                row[std::size_t(dy * w + x)] = patternPixel(x, y + dy);
            }
        }
        xcb_put_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, gc, std::uint16_t(w),
                      std::uint16_t(rows), 0, std::int16_t(y), 0, s->root_depth,
                      std::uint32_t(rows * w * 4),
                      reinterpret_cast<const std::uint8_t*>(row.data()));
    }
    const xcb_window_t window = xcb_generate_id(c);
    const std::uint32_t values[] = {pixmap, 1};
    xcb_create_window(c, s->root_depth, window, s->root, 0, 0, std::uint16_t(w), std::uint16_t(h),
                      0, XCB_WINDOW_CLASS_INPUT_OUTPUT, s->root_visual,
                      XCB_CW_BACK_PIXMAP | XCB_CW_OVERRIDE_REDIRECT, values);
    xcb_map_window(c, window);
    xcb_flush(c);
    std::puts("pattern shown");
    std::fflush(stdout);
    while (xcb_generic_event_t* e = xcb_wait_for_event(c)) {
        std::free(e);
    }
    return 0;
}

int measure(xcb_connection_t* c, xcb_screen_t* s, int moves, int zoom) {
    const int shown = zoom <= 5 ? 21 : zoom <= 10 ? 11 : 7;
    const int centreOffset = kGap + 1 + (shown / 2) * zoom + zoom / 2;
    std::vector<double> times;
    for (int i = 0; i < moves; ++i) {
        // Far apart, so the loupe's last picture never holds the pixel looked for.
        const int x = 100 + (i * 397) % 900;
        const int y = 60 + (i * 251) % 380; // above the main window, which the bench moves down
        const std::string command =
            "xdotool mousemove " + std::to_string(x) + " " + std::to_string(y);
        if (std::system(command.c_str()) != 0) {
            return 2;
        }
        const auto moved = std::chrono::steady_clock::now();
        const std::uint32_t wanted = patternPixel(x, y);
        double ms = -1;
        while (true) {
            const auto now = std::chrono::steady_clock::now();
            const double elapsed = std::chrono::duration<double, std::milli>(now - moved).count();
            if (screenPixel(c, s->root, x + centreOffset, y + centreOffset) == wanted) {
                ms = elapsed;
                break;
            }
            if (elapsed > 1000) {
                break;
            }
        }
        times.push_back(ms < 0 ? 1000 : ms);
    }
    std::sort(times.begin(), times.end());
    std::printf("loupe at %dx: %d moves, median %.1f ms, 90th percentile %.1f ms, worst %.1f ms\n",
                zoom, moves, times[times.size() / 2], times[times.size() * 9 / 10], times.back());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fputs("no X server\n", stderr);
        return 2;
    }
    xcb_screen_t* s = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "pattern") {
        return pattern(c, s);
    }
    if (mode == "measure" && argc > 3) {
        return measure(c, s, std::atoi(argv[2]), std::atoi(argv[3]));
    }
    std::fputs("usage: loupe_latency pattern | measure N ZOOM\n", stderr);
    return 2;
}

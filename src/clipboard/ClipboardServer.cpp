// Keeps one text on the X11 clipboard after the program that picked it has ended, as xclip
// does: it takes the CLIPBOARD selection, answers every request for it, and exits once another
// program takes the selection (or the X server goes). It links nothing but xcb, so it stays a
// few hundred kilobytes while it waits.
//
// Usage: spectrivue-clipboard TEXT
// Once the selection is held, the first process prints "ok" and exits with status 0; a child
// without a terminal or the caller's output keeps serving. Status 2, with a line on standard
// error, when the selection cannot be taken.

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

struct Atoms {
    xcb_atom_t clipboard, targets, timestamp, utf8, text, plain, plainUtf8;
};

xcb_atom_t intern(xcb_connection_t* c, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(c, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

int fail(const char* why) {
    std::fprintf(stderr, "spectrivue-clipboard: %s\n", why);
    return 2;
}

// The server's time now: a zero-length append to our own property is answered with it. A
// selection owned since "CurrentTime" could be taken back by a request older than our own.
xcb_timestamp_t serverTime(xcb_connection_t* c, xcb_window_t window) {
    xcb_change_property(c, XCB_PROP_MODE_APPEND, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 0,
                        "");
    xcb_flush(c);
    while (xcb_generic_event_t* event = xcb_wait_for_event(c)) {
        std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event, &std::free);
        if ((event->response_type & 0x7F) == XCB_PROPERTY_NOTIFY) {
            return reinterpret_cast<xcb_property_notify_event_t*>(event)->time;
        }
    }
    return XCB_CURRENT_TIME;
}

// Answers one request: the text for the text targets, the list of targets, the time the
// selection was taken; a refusal (no property) for anything else.
void answer(xcb_connection_t* c, const Atoms& a, const xcb_selection_request_event_t& request,
            const std::string& text, xcb_timestamp_t since) {
    xcb_selection_notify_event_t notify{};
    notify.response_type = XCB_SELECTION_NOTIFY;
    notify.time = request.time;
    notify.requestor = request.requestor;
    notify.selection = request.selection;
    notify.target = request.target;
    // Obsolete clients name no property: the target stands for it.
    notify.property = request.property != XCB_ATOM_NONE ? request.property : request.target;
    const xcb_atom_t t = request.target;
    const bool ascii = std::all_of(text.begin(), text.end(),
                                   [](char ch) { return static_cast<unsigned char>(ch) < 0x80; });
    if (t == a.targets) {
        const std::vector<xcb_atom_t> offered{a.targets, a.timestamp,     a.utf8, a.plainUtf8,
                                              a.text,    XCB_ATOM_STRING, a.plain};
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, request.requestor, notify.property,
                            XCB_ATOM_ATOM, 32, static_cast<uint32_t>(offered.size()),
                            offered.data());
    } else if (t == a.timestamp) {
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, request.requestor, notify.property,
                            XCB_ATOM_INTEGER, 32, 1, &since);
    } else if (t == a.utf8 || t == a.plainUtf8 || t == a.text ||
               ((t == XCB_ATOM_STRING || t == a.plain) && ascii)) {
        // Latin-1 targets get the text only while it is plain ASCII, where both agree.
        const xcb_atom_t type = t == a.text ? a.utf8 : t;
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, request.requestor, notify.property, type, 8,
                            static_cast<uint32_t>(text.size()), text.data());
    } else {
        notify.property = XCB_ATOM_NONE;
    }
    xcb_send_event(c, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&notify));
    xcb_flush(c);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        return fail("usage: spectrivue-clipboard TEXT");
    }
    const std::string text = argv[1];
    // Far beyond any colour's text; larger ones would need the incremental transfer.
    if (text.size() > 64 * 1024) {
        return fail("the text is too long");
    }
    int screenNumber = 0;
    xcb_connection_t* c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(c) != 0) {
        return fail("cannot connect to the X server");
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i) {
        xcb_screen_next(&screens);
    }
    const xcb_window_t window = xcb_generate_id(c);
    const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screens.data->root, -1, -1, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                      &events);
    const Atoms a{intern(c, "CLIPBOARD"),
                  intern(c, "TARGETS"),
                  intern(c, "TIMESTAMP"),
                  intern(c, "UTF8_STRING"),
                  intern(c, "TEXT"),
                  intern(c, "text/plain"),
                  intern(c, "text/plain;charset=utf-8")};
    const xcb_timestamp_t since = serverTime(c, window);
    xcb_set_selection_owner(c, window, a.clipboard, since);
    std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, a.clipboard), nullptr),
        &std::free);
    if (!owner || owner->owner != window) {
        return fail("another program holds the clipboard");
    }

    // The caller waits for this process only: a child serves, with no terminal and none of
    // the caller's files, so a shell's $(...) around the caller returns at once.
    std::fflush(stdout);
    const pid_t child = fork();
    if (child < 0) {
        return fail("cannot start the background process");
    }
    if (child > 0) {
        std::puts("ok");
        std::fflush(stdout);
        _exit(0);
    }
    setsid();
    const int null = open("/dev/null", O_RDWR);
    if (null >= 0) {
        dup2(null, STDIN_FILENO);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        if (null > STDERR_FILENO) {
            close(null);
        }
    }
    // Not to hold a mount busy; serving goes on wherever we are.
    [[maybe_unused]] const int moved = chdir("/");

    while (xcb_generic_event_t* event = xcb_wait_for_event(c)) {
        std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event, &std::free);
        const uint8_t type = event->response_type & 0x7F;
        if (type == XCB_SELECTION_REQUEST) {
            answer(c, a, *reinterpret_cast<xcb_selection_request_event_t*>(event), text, since);
        } else if (type == XCB_SELECTION_CLEAR) {
            break; // another program's text now
        }
    }
    xcb_disconnect(c);
    return 0;
}

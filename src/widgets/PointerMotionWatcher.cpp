#include "widgets/PointerMotionWatcher.h"

#include <QGuiApplication>

#ifdef SV_HAVE_XINPUT
#include <xcb/xcb.h>
#include <xcb/xinput.h>

#include <cstdlib>
#endif

namespace sv {

PointerMotionWatcher::PointerMotionWatcher(int extensionOpcode)
    : extensionOpcode_(extensionOpcode) {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

PointerMotionWatcher::~PointerMotionWatcher() {
    if (QCoreApplication* app = QCoreApplication::instance()) {
        app->removeNativeEventFilter(this);
    }
}

#ifdef SV_HAVE_XINPUT

namespace {

// Whether the server speaks XInput 2. Qt has usually asked already, and a client may not ask
// for another version afterwards, so this is only asked when selecting failed.
bool negotiateXi2(xcb_connection_t* connection) {
    const auto version = xcb_input_xi_query_version(connection, 2, 0);
    xcb_input_xi_query_version_reply_t* reply =
        xcb_input_xi_query_version_reply(connection, version, nullptr);
    const bool xi2 = reply != nullptr && reply->major_version >= 2;
    std::free(reply);
    return xi2;
}

// Asks the server for raw motion of every master pointer; false when it cannot.
bool selectRawMotion(xcb_connection_t* connection) {
    struct {
        xcb_input_event_mask_t head;
        uint32_t bits;
    } mask{{XCB_INPUT_DEVICE_ALL_MASTER, 1}, XCB_INPUT_XI_EVENT_MASK_RAW_MOTION};
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const auto cookie = xcb_input_xi_select_events_checked(connection, root, 1, &mask.head);
    xcb_generic_error_t* error = xcb_request_check(connection, cookie);
    std::free(error);
    return error == nullptr;
}

} // namespace

std::unique_ptr<PointerMotionWatcher> PointerMotionWatcher::create() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) {
        return nullptr;
    }
    const xcb_query_extension_reply_t* extension =
        xcb_get_extension_data(connection, &xcb_input_id);
    if (extension == nullptr || !extension->present ||
        !(selectRawMotion(connection) ||
          (negotiateXi2(connection) && selectRawMotion(connection)))) {
        return nullptr;
    }
    return std::unique_ptr<PointerMotionWatcher>(new PointerMotionWatcher(extension->major_opcode));
}

bool PointerMotionWatcher::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) == XCB_GE_GENERIC) {
        const auto* generic = static_cast<const xcb_ge_generic_event_t*>(message);
        if (generic->extension == extensionOpcode_ && generic->event_type == XCB_INPUT_RAW_MOTION) {
            emit moved();
        }
    }
    return false; // Qt sees every event as before
}

#else

std::unique_ptr<PointerMotionWatcher> PointerMotionWatcher::create() {
    return nullptr;
}

bool PointerMotionWatcher::nativeEventFilter(const QByteArray&, void*, qintptr*) {
    return false;
}

#endif

} // namespace sv

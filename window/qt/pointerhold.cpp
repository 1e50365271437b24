#include "window/qt/pointerhold.hpp"

#include <QGuiApplication>
#include <QWindow>
#include <xcb/shape.h>
#include <xcb/xcb.h>

namespace vantor {

namespace {

// The toolkit's connection to the X server when it has one with the shape extension, else null.
xcb_connection_t* shapingConnection() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) {
        return nullptr;
    }
    const xcb_query_extension_reply_t* shape =
        xcb_get_extension_data(x11->connection(), &xcb_shape_id);
    return shape != nullptr && shape->present != 0 ? x11->connection() : nullptr;
}

} // namespace

void ignorePointer(QWindow& window) {
    if (xcb_connection_t* connection = shapingConnection()) {
        // An empty input shape: the pointer passes through to what lies beneath.
        xcb_shape_rectangles(connection, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_INPUT,
                             XCB_CLIP_ORDERING_UNSORTED, static_cast<xcb_window_t>(window.winId()),
                             0, 0, 0, nullptr);
    }
}

void acceptPointer(QWindow& window) {
    if (xcb_connection_t* connection = shapingConnection()) {
        // No input shape: the whole window, at whatever size it has.
        xcb_shape_mask(connection, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_INPUT,
                       static_cast<xcb_window_t>(window.winId()), 0, 0, XCB_NONE);
        xcb_flush(connection);
    }
}

} // namespace vantor

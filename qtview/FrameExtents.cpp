#include "qtview/FrameExtents.h"

#include <poll.h>
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>

namespace qtview {

namespace {

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = r != nullptr ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(r);
    return atom;
}

// The four cardinals of _NET_FRAME_EXTENTS, once the manager has set them.
bool ReadExtents(xcb_connection_t* c, xcb_window_t w, xcb_atom_t extents, Frame& frame) {
    xcb_get_property_reply_t* r = xcb_get_property_reply(
        c, xcb_get_property(c, 0, w, extents, XCB_ATOM_CARDINAL, 0, 4), nullptr);
    const bool ok = r != nullptr && r->format == 32 && xcb_get_property_value_length(r) == 16;
    if (ok) {
        const auto* v = static_cast<const uint32_t*>(xcb_get_property_value(r));
        frame = {static_cast<int>(v[0]), static_cast<int>(v[1]), static_cast<int>(v[2]),
                 static_cast<int>(v[3])};
    }
    std::free(r);
    return ok;
}

}  // namespace

Frame FrameExtents(int width, int height) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return {};
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    Frame frame;
    if (xcb_connection_has_error(c) == 0) {
        xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
        const xcb_atom_t request = Atom(c, "_NET_REQUEST_FRAME_EXTENTS");
        const xcb_atom_t extents = Atom(c, "_NET_FRAME_EXTENTS");
        const xcb_atom_t type = Atom(c, "_NET_WM_WINDOW_TYPE");
        const xcb_atom_t dialog = Atom(c, "_NET_WM_WINDOW_TYPE_DIALOG");
        // An unmapped dialog-type window of the size stands for the window.
        const xcb_window_t w = xcb_generate_id(c);
        const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_create_window(c, XCB_COPY_FROM_PARENT, w, screen->root, 0, 0,
                          static_cast<uint16_t>(width), static_cast<uint16_t>(height), 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, XCB_CW_EVENT_MASK,
                          &mask);
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, type, XCB_ATOM_ATOM, 32, 1, &dialog);
        // Of a fixed size, as the form is: no frame for resizing.
        uint32_t hints[18] = {};
        hints[0] = 16 | 32;  // PMinSize | PMaxSize
        hints[5] = hints[7] = static_cast<uint32_t>(width);
        hints[6] = hints[8] = static_cast<uint32_t>(height);
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, XCB_ATOM_WM_NORMAL_HINTS,
                            XCB_ATOM_WM_SIZE_HINTS, 32, 18, hints);
        xcb_client_message_event_t ev{};
        ev.response_type = XCB_CLIENT_MESSAGE;
        ev.format = 32;
        ev.window = w;
        ev.type = request;
        xcb_send_event(c, 0, screen->root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                       reinterpret_cast<const char*>(&ev));
        xcb_flush(c);
        // A manager that supports the request answers at once; without one
        // nobody answers, and there is no frame.
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
        bool done = false;
        while (!done && std::chrono::steady_clock::now() < until) {
            pollfd p{xcb_get_file_descriptor(c), POLLIN, 0};
            if (::poll(&p, 1, 20) <= 0) continue;
            while (xcb_generic_event_t* e = xcb_poll_for_event(c)) {
                const auto* pe = reinterpret_cast<xcb_property_notify_event_t*>(e);
                if ((e->response_type & 0x7F) == XCB_PROPERTY_NOTIFY && pe->atom == extents)
                    done = ReadExtents(c, w, extents, frame);
                std::free(e);
            }
            if (xcb_connection_has_error(c) != 0) break;
        }
        xcb_destroy_window(c, w);
    }
    xcb_disconnect(c);
    return frame;
}

}  // namespace qtview

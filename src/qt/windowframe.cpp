// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/windowframe.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string_view>
#include <thread>

namespace jex::qt {
namespace {

// How long a window manager may take to answer before the frame is taken to
// be none; start-up must never wait longer.
constexpr auto answertime = std::chrono::milliseconds(300);
constexpr auto polltime = std::chrono::milliseconds(5);

// WM_NORMAL_HINTS: flags, then x, y, width, height, minimum and maximum size.
constexpr std::uint32_t minimumsizeflag = 16;
constexpr std::uint32_t maximumsizeflag = 32;
constexpr std::uint16_t probesize = 100;

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <class T> using Reply = std::unique_ptr<T, FreeReply>;

xcb_atom_t atom(xcb_connection_t* connection, std::string_view name) {
    Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data()),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::optional<xcb_window_t> windowproperty(xcb_connection_t* connection, xcb_window_t window,
                                           xcb_atom_t property) {
    Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, XCB_ATOM_WINDOW, 0, 1),
        nullptr));
    if (!reply || reply->type != XCB_ATOM_WINDOW || reply->format != 32 ||
        xcb_get_property_value_length(reply.get()) < 4)
        return {};
    return *static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
}

// A window manager that follows the desktop conventions names a window of its
// own on the root window, and that window names itself again.
bool windowmanagerpresent(xcb_connection_t* connection, xcb_window_t root) {
    const xcb_atom_t check = atom(connection, "_NET_SUPPORTING_WM_CHECK");
    if (check == XCB_ATOM_NONE) return false;
    const std::optional<xcb_window_t> manager = windowproperty(connection, root, check);
    return manager && windowproperty(connection, *manager, check) == manager;
}

std::optional<FrameMargins> frameextents(xcb_connection_t* connection, xcb_window_t window,
                                         xcb_atom_t extents) {
    Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, extents, XCB_ATOM_CARDINAL, 0, 4),
        nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 16) return {};
    const auto* sides = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    // The property lists left, right, top, bottom.
    return FrameMargins{static_cast<int>(sides[0]), static_cast<int>(sides[2]),
                        static_cast<int>(sides[1]), static_cast<int>(sides[3])};
}

FrameMargins askwindowmanager(xcb_connection_t* connection, xcb_screen_t* screen) {
    const xcb_atom_t request = atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = atom(connection, "_NET_FRAME_EXTENTS");
    if (request == XCB_ATOM_NONE || extents == XCB_ATOM_NONE) return {};

    // A window that is never shown, only used to ask what frame a window of
    // ours would get. Ours cannot be resized, and a window manager leaves the
    // resize handles off such a window, so the probe says the same.
    const xcb_window_t probe = xcb_generate_id(connection);
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, probe, screen->root, 0, 0, probesize,
                      probesize, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
    std::array<std::uint32_t, 18> sizehints{};
    sizehints[0] = minimumsizeflag | maximumsizeflag;
    sizehints[5] = sizehints[6] = sizehints[7] = sizehints[8] = probesize;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, probe, XCB_ATOM_WM_NORMAL_HINTS,
                        XCB_ATOM_WM_SIZE_HINTS, 32, sizehints.size(), sizehints.data());

    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = probe;
    message.type = request;
    xcb_send_event(connection, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);

    FrameMargins frame;
    const auto deadline = std::chrono::steady_clock::now() + answertime;
    while (true) {
        if (const auto answer = frameextents(connection, probe, extents)) {
            frame = *answer;
            break;
        }
        if (std::chrono::steady_clock::now() >= deadline) break;
        std::this_thread::sleep_for(polltime);
    }
    xcb_destroy_window(connection, probe);
    xcb_flush(connection);
    return frame;
}

} // namespace

FrameMargins windowframe() {
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11) return {};
    xcb_connection_t* connection = x11->connection();
    if (!connection || xcb_connection_has_error(connection)) return {};
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen || !windowmanagerpresent(connection, screen->root)) return {};
    return askwindowmanager(connection, screen);
}

} // namespace jex::qt

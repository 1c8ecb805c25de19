// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowwatch.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <poll.h>
#include <stdexcept>
#include <xcb/xcb.h>

namespace jex::bench {
namespace {

// A title given after the window was mapped sends no notice to the root
// window, so look again at least this often.
constexpr auto recheck = std::chrono::milliseconds(5);

template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
ReplyPtr<Reply> owned(Reply* reply) {
    return ReplyPtr<Reply>(reply, &std::free);
}

xcb_atom_t atom(xcb_connection_t* connection, const std::string& name) {
    const auto reply = owned(xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.c_str()),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

bool containsall(const std::vector<std::string>& have, const std::vector<std::string>& wanted) {
    return std::ranges::all_of(wanted, [&](const std::string& title) {
        return std::ranges::find(have, title) != have.end();
    });
}

bool containsany(const std::vector<std::string>& have, const std::vector<std::string>& wanted) {
    return std::ranges::any_of(wanted, [&](const std::string& title) {
        return std::ranges::find(have, title) != have.end();
    });
}

} // namespace

WindowWatch::WindowWatch(const std::string& display) {
    connection_ = xcb_connect(display.c_str(), nullptr);
    if (xcb_connection_has_error(connection_) != 0) {
        xcb_disconnect(connection_);
        throw std::runtime_error("cannot reach display " + display);
    }
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    netwmname_ = atom(connection_, "_NET_WM_NAME");

    const std::uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &events);
    xcb_flush(connection_);
}

WindowWatch::~WindowWatch() { xcb_disconnect(connection_); }

std::string WindowWatch::title(unsigned int window) {
    for (const xcb_atom_t property : {xcb_atom_t{netwmname_}, xcb_atom_t{XCB_ATOM_WM_NAME}}) {
        const auto reply = owned(xcb_get_property_reply(
            connection_,
            xcb_get_property(connection_, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
            nullptr));
        if (reply && xcb_get_property_value_length(reply.get()) > 0)
            return {static_cast<const char*>(xcb_get_property_value(reply.get())),
                    static_cast<std::size_t>(xcb_get_property_value_length(reply.get()))};
    }
    return {};
}

std::vector<std::string> WindowWatch::mappedtitles() {
    std::vector<std::string> titles;
    const auto tree =
        owned(xcb_query_tree_reply(connection_, xcb_query_tree(connection_, root_), nullptr));
    if (!tree) return titles;
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    const int count = xcb_query_tree_children_length(tree.get());
    for (int i = 0; i < count; ++i) {
        const auto attributes = owned(xcb_get_window_attributes_reply(
            connection_, xcb_get_window_attributes(connection_, children[i]), nullptr));
        if (attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE)
            titles.push_back(title(children[i]));
    }
    return titles;
}

bool WindowWatch::waitforchange(std::chrono::steady_clock::time_point deadline) {
    const auto now = std::chrono::steady_clock::now();
    if (now >= deadline) return false;
    // Notices that came in with the replies of the last look are already
    // queued, and the socket would not wake us for them.
    bool noticed = false;
    while (xcb_generic_event_t* event = xcb_poll_for_queued_event(connection_)) {
        std::free(event);
        noticed = true;
    }
    if (!noticed) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now);
        pollfd waiting{.fd = xcb_get_file_descriptor(connection_), .events = POLLIN, .revents = 0};
        poll(&waiting, 1, static_cast<int>(std::min(left, recheck).count()) + 1);
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) std::free(event);
    }
    return xcb_connection_has_error(connection_) == 0;
}

bool WindowWatch::waitforall(const std::vector<std::string>& titles,
                             std::chrono::steady_clock::time_point deadline) {
    while (!containsall(mappedtitles(), titles))
        if (!waitforchange(deadline)) return false;
    return true;
}

bool WindowWatch::waitfornone(const std::vector<std::string>& titles,
                              std::chrono::steady_clock::time_point deadline) {
    while (containsany(mappedtitles(), titles))
        if (!waitforchange(deadline)) return false;
    return true;
}

} // namespace jex::bench

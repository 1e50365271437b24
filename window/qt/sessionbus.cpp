#include "window/qt/sessionbus.hpp"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <pwd.h>
#include <string_view>
#include <sys/types.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace vantor {

namespace {

// The machine id the bus library names the selection by: its own copy first, then the system's.
std::string machineId() {
    for (const char* path : {"/var/lib/dbus/machine-id", "/etc/machine-id"}) {
        std::ifstream file(path);
        std::string id;
        if (file >> id && !id.empty()) {
            return id;
        }
    }
    return {};
}

std::string userName() {
    std::array<char, 4096> buffer{};
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 ||
        found == nullptr || found->pw_name == nullptr) {
        return {};
    }
    return found->pw_name;
}

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

} // namespace

std::string sessionBusOnDisplay() {
    const std::string machine = machineId();
    const std::string user = userName();
    if (machine.empty() || user.empty()) {
        return {};
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const std::unique_ptr<xcb_connection_t, void (*)(xcb_connection_t*)> closer(connection,
                                                                                &xcb_disconnect);
    if (xcb_connection_has_error(connection) != 0) {
        return {};
    }
    // Both names asked at once: one round trip.
    const std::string selectionName = "_DBUS_SESSION_BUS_SELECTION_" + user + "_" + machine;
    const std::string_view addressName = "_DBUS_SESSION_BUS_ADDRESS";
    const xcb_intern_atom_cookie_t selectionCookie = xcb_intern_atom(
        connection, 1, static_cast<std::uint16_t>(selectionName.size()), selectionName.data());
    const xcb_intern_atom_cookie_t addressCookie = xcb_intern_atom(
        connection, 1, static_cast<std::uint16_t>(addressName.size()), addressName.data());
    const ReplyPtr<xcb_intern_atom_reply_t> selection(
        xcb_intern_atom_reply(connection, selectionCookie, nullptr));
    const ReplyPtr<xcb_intern_atom_reply_t> address(
        xcb_intern_atom_reply(connection, addressCookie, nullptr));
    // An atom that does not exist yet means no bus was ever started on this display.
    if (!selection || !address || selection->atom == XCB_ATOM_NONE ||
        address->atom == XCB_ATOM_NONE) {
        return {};
    }
    const ReplyPtr<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, selection->atom), nullptr));
    if (!owner || owner->owner == XCB_WINDOW_NONE) {
        return {};
    }
    constexpr std::uint32_t longestAddressWords = 1024;
    const ReplyPtr<xcb_get_property_reply_t> property(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, owner->owner, address->atom,
                                                XCB_ATOM_STRING, 0, longestAddressWords),
                               nullptr));
    if (!property || property->type != XCB_ATOM_STRING || property->format != 8) {
        return {};
    }
    const auto* text = static_cast<const char*>(xcb_get_property_value(property.get()));
    const auto length = static_cast<std::size_t>(xcb_get_property_value_length(property.get()));
    std::string found(text, length);
    // The helper may leave a terminating zero in the property.
    found = found.substr(0, found.find('\0'));
    return found;
}

} // namespace vantor

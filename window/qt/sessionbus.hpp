#pragma once

#include <string>

namespace vantor {

// The address of the session bus started for this user on the X display, as the desktop's bus
// helper leaves it there: a window owning the selection
// "_DBUS_SESSION_BUS_SELECTION_<user>_<machine id>" carries it in its "_DBUS_SESSION_BUS_ADDRESS"
// property. Empty when no display answers, no bus was started on it, or no machine id is found.
[[nodiscard]] std::string sessionBusOnDisplay();

} // namespace vantor

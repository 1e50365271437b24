#pragma once

#include "window/controls.hpp"

#include <span>

namespace vantor {

// One menu of the menu bar: its title and its commands, in the order they are shown.
struct MenuShape {
    MenuItem Controls::*title;
    std::span<MenuItem Controls::*const> items;
    bool right; // at the right-hand end of the bar, after a separator
};

// The menu bar's menus, left to right.
[[nodiscard]] std::span<const MenuShape> menuTable();

} // namespace vantor

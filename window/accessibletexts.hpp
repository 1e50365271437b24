#pragma once

#include <string_view>

namespace vantor {

// What a screen reader says for one control: its name (empty where the control's own text
// names it, such as a frame's caption or the date) and what it does.
struct AccessibleText {
    std::string_view control;
    std::string_view name;
    std::string_view description;
};

// The texts of the named control or menu command, or nullptr for one that has none.
[[nodiscard]] const AccessibleText* accessibleTextOf(std::string_view control);

} // namespace vantor

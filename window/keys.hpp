#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace vantor {

// The keys the window uses, by name; each edition maps them to its toolkit's keys.
enum class KeyName { Q, E, L, S, F1, Home, Left, Right, Escape, Pause };

// A command for which a desktop may have keys of its own, used in place of the usual key.
enum class StandardCommand { None, Quit, Help };

struct Key {
    KeyName name;
    bool ctrl = false;
    bool shift = false;
};

// A key of the whole window: the control whose click it gives, and its keys, the first of them
// the one shown beside a menu command. Commands that switch something on and off (running, the
// stars drawn by exclusive-or) act once per press: on every repeat of a held key the result
// would depend on how long it was held.
struct ControlKey {
    std::string_view control;
    StandardCommand standard;
    Key key;
    std::optional<Key> alternative;
    bool oncePerPress = false;
};

// The keys of the menu commands, in menu order, then those of the clock buttons, left to right.
// The clock keys carry a modifier or are keys no check box or option button uses, so a focused
// control keeps Space, Enter and the arrows for itself.
[[nodiscard]] std::span<const ControlKey> controlKeys();

// The keys of the named control, or nullptr for a control without keys.
[[nodiscard]] const ControlKey* keyOf(std::string_view control);

// Whether a held key of the named control clicks it only once.
[[nodiscard]] bool actsOncePerPress(std::string_view control);

} // namespace vantor

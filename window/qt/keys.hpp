#pragma once

#include <QKeySequence>
#include <QList>
#include <span>
#include <string_view>

namespace vantor {

// A key of the whole window: the control whose click it gives, and its keys, the first of them
// the one shown beside a menu command.
struct ControlKey {
    std::string_view control;
    QList<QKeySequence> keys;
};

// The keys of the menu commands, in menu order, then those of the clock buttons, left to right.
// The clock keys carry a modifier or are keys no check box or option button uses, so a focused
// control keeps Space, Enter and the arrows for itself.
[[nodiscard]] std::span<const ControlKey> controlKeys();

// The keys of the named control; empty for a control without keys.
[[nodiscard]] QList<QKeySequence> keysOf(std::string_view control);

} // namespace vantor

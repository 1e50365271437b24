#pragma once

#include <QKeySequence>
#include <QList>
#include <string_view>

namespace vantor {

// The Qt keys of the named control, the first of them the one shown beside a menu command;
// empty for a control without keys. For a standard command the desktop's own keys come first.
[[nodiscard]] QList<QKeySequence> keysOf(std::string_view control);

} // namespace vantor

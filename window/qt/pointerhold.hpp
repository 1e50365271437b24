#pragma once

class QWindow;

namespace vantor {

// A window mapped under the pointer is entered at once, and the toolkit answers the entry with a
// round trip to the X server, ahead of the window's first paint. Between ignorePointer, before
// the window is mapped, and acceptPointer, once its first frame is painted, the pointer passes
// through the window, so that the entry comes after that frame. They do nothing off an X display
// or on one without the shape extension.
void ignorePointer(QWindow& window);
void acceptPointer(QWindow& window);

} // namespace vantor

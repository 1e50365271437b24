#include "window/frame.hpp"

#include <utility>

namespace vantor {

Frame::Frame(std::string name, std::string caption)
    : Control(std::move(name)), m_caption(std::move(caption)) {}

void Frame::setDoubleClickAction(std::function<void()> action) {
    m_doubleClick.set(std::move(action));
}

} // namespace vantor

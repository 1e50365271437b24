#include "window/label.hpp"

#include <utility>

namespace vantor {

Label::Label(std::string name, std::string caption, int borderStyle)
    : Control(std::move(name)), m_caption(std::move(caption)), m_borderStyle(borderStyle) {}

} // namespace vantor

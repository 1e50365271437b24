#include "window/windowcaption.hpp"

#include <utility>

namespace vantor {

WindowCaption::WindowCaption(std::string name, std::string caption)
    : Control(std::move(name)), m_caption(std::move(caption)) {}

} // namespace vantor

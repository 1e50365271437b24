#include "window/optionbutton.hpp"

#include "window/optiongroup.hpp"

#include <utility>

namespace vantor {

OptionButton::OptionButton(OptionGroup& group, int index, std::string name, std::string caption)
    : Control(std::move(name)), m_group(&group), m_index(index), m_caption(std::move(caption)) {}

void OptionButton::click() {
    m_group->click(m_index);
}

void OptionButton::select() {
    m_group->select(m_index);
}

} // namespace vantor

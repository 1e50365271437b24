#include "window/checkbox.hpp"

#include <utility>

namespace vantor {

CheckBox::CheckBox(std::string name, std::string caption, int value)
    : Control(std::move(name)), m_caption(std::move(caption)), m_value(value) {}

void CheckBox::setValue(int value) {
    if (value == m_value) {
        return;
    }
    store(value);
    m_click.run();
}

void CheckBox::click() {
    store(m_value == 0 ? 1 : 0);
    m_click.run();
}

void CheckBox::setClickAction(std::function<void()> action) {
    m_click.set(std::move(action));
}

void CheckBox::store(int value) {
    m_value = value;
    notifyChanged();
}

} // namespace vantor

#include "window/menuitem.hpp"

#include <utility>

namespace vantor {

MenuItem::MenuItem(std::string name, std::string caption, bool enabled)
    : m_name(std::move(name)), m_caption(std::move(caption)), m_enabled(enabled) {}

void MenuItem::setCaption(std::string caption) {
    if (caption == m_caption) {
        return;
    }
    m_caption = std::move(caption);
    m_changed.notify();
}

void MenuItem::setEnabled(bool enabled) {
    if (enabled == m_enabled) {
        return;
    }
    m_enabled = enabled;
    m_changed.notify();
}

void MenuItem::setClickAction(std::function<void()> action) {
    m_click.set(std::move(action));
}

void MenuItem::click() const {
    if (m_enabled) {
        m_click.run();
    }
}

void MenuItem::onChanged(Notifier::Listener listener) {
    m_changed.subscribe(std::move(listener));
}

} // namespace vantor

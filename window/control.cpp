#include "window/control.hpp"

namespace vantor {

Control::Control(std::string name) : m_name(std::move(name)) {}

void Control::onChanged(Notifier::Listener listener) {
    m_changed.subscribe(std::move(listener));
}

void Control::setMouseMoveAction(std::function<void()> action) {
    m_mouseMove.set(std::move(action));
}

void Control::mouseMove() const {
    if (takesMouse()) {
        m_mouseMove.run();
    }
}

} // namespace vantor

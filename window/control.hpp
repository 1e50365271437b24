#pragma once

#include "window/action.hpp"
#include "window/notifier.hpp"

#include <functional>
#include <string>
#include <utility>

namespace vantor {

// What every control of the window has: a name, listeners told of each change of its state,
// and an optional mouse-move action (the hint line's). Controls are not copied: listeners and
// actions refer to them by address.
class Control {
public:
    explicit Control(std::string name);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    Control(Control&&) = delete;
    Control& operator=(Control&&) = delete;

    [[nodiscard]] const std::string& name() const { return m_name; }

    void onChanged(Notifier::Listener listener);

    void setMouseMoveAction(std::function<void()> action);
    // The pointer moved over the control: runs the action if the control takes mouse events.
    void mouseMove() const;

    // Whether mouse events reach the control's actions at present.
    [[nodiscard]] virtual bool takesMouse() const { return true; }

protected:
    void notifyChanged() const { m_changed.notify(); }

    // Stores a new value of a property and tells the listeners, only if it differs.
    template <typename T> void assign(T& field, T value) {
        if (field == value) {
            return;
        }
        field = std::move(value);
        notifyChanged();
    }

private:
    std::string m_name;
    Notifier m_changed;
    Action<> m_mouseMove;
};

} // namespace vantor

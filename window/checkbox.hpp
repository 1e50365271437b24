#pragma once

#include "window/action.hpp"
#include "window/control.hpp"

#include <functional>
#include <string>

namespace vantor {

// A check box: Value 0 (off) or 1 (on) and a click action. A user click flips the value and
// runs the action; a write from code that changes the value runs the action at once, nested,
// before the write returns, and a write of the value the box already has runs nothing.
class CheckBox : public Control {
public:
    explicit CheckBox(std::string name, std::string caption = {}, int value = 0);

    [[nodiscard]] const std::string& caption() const { return m_caption; }
    [[nodiscard]] int value() const { return m_value; }

    // A write of Value from code. Any integer is stored as written; the program writes 0 and 1.
    void setValue(int value);
    // A user click: 0 becomes 1, anything else becomes 0; then the action runs.
    void click();

    void setClickAction(std::function<void()> action);

private:
    void store(int value);

    std::string m_caption;
    int m_value = 0;
    Action<> m_click;
};

} // namespace vantor

#pragma once

#include "window/action.hpp"
#include "window/control.hpp"

#include <functional>
#include <string>
#include <utility>

namespace vantor {

// A frame around other controls: a writable caption and a double-click action on its own area.
class Frame : public Control {
public:
    explicit Frame(std::string name, std::string caption = {});

    [[nodiscard]] const std::string& caption() const { return m_caption; }
    void setCaption(std::string caption) { assign(m_caption, std::move(caption)); }

    void setDoubleClickAction(std::function<void()> action);
    void doubleClick() const { m_doubleClick.run(); }

private:
    std::string m_caption;
    Action<> m_doubleClick;
};

} // namespace vantor

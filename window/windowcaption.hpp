#pragma once

#include "window/control.hpp"

#include <string>
#include <utility>

namespace vantor {

// The main window itself as a control: its writable title, and the mouse-move action of its own
// background (the area not covered by any control).
class WindowCaption : public Control {
public:
    explicit WindowCaption(std::string name, std::string caption = {});

    [[nodiscard]] const std::string& caption() const { return m_caption; }
    void setCaption(std::string caption) { assign(m_caption, std::move(caption)); }

private:
    std::string m_caption;
};

} // namespace vantor

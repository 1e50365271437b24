#pragma once

#include "window/control.hpp"

#include <string>
#include <utility>

namespace vantor {

// A label: its whole text and its border style (0 none, 1 single line), writable at any time.
class Label : public Control {
public:
    explicit Label(std::string name, std::string caption = {}, int borderStyle = 0);

    [[nodiscard]] const std::string& caption() const { return m_caption; }
    void setCaption(std::string caption) { assign(m_caption, std::move(caption)); }

    [[nodiscard]] int borderStyle() const { return m_borderStyle; }
    void setBorderStyle(int borderStyle) { assign(m_borderStyle, borderStyle); }

private:
    std::string m_caption;
    int m_borderStyle = 0;
};

} // namespace vantor

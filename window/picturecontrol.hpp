#pragma once

#include "window/action.hpp"
#include "window/control.hpp"
#include "window/face.hpp"

#include <functional>
#include <string>
#include <utility>

namespace vantor {

// A picture control, used as a clock button (its face can be swapped), as the placeholder disc,
// or as the place of a drawing surface. A hidden control takes no mouse events: its click,
// double-click and mouse-move run nothing while it is hidden.
class PictureControl : public Control {
public:
    explicit PictureControl(std::string name, Face face = Face::None, bool visible = true);

    [[nodiscard]] bool visible() const { return m_visible; }
    void setVisible(bool visible) { assign(m_visible, visible); }

    [[nodiscard]] Face face() const { return m_face; }
    void setFace(Face face) { assign(m_face, face); }

    void setClickAction(std::function<void()> action);
    void setDoubleClickAction(std::function<void()> action);

    void click() const;
    void doubleClick() const;

    [[nodiscard]] bool takesMouse() const override { return m_visible; }

private:
    Face m_face = Face::None;
    bool m_visible = true;
    Action<> m_click;
    Action<> m_doubleClick;
};

} // namespace vantor

#include "window/picturecontrol.hpp"

#include <utility>

namespace vantor {

PictureControl::PictureControl(std::string name, Face face, bool visible)
    : Control(std::move(name)), m_face(face), m_visible(visible) {}

void PictureControl::setClickAction(std::function<void()> action) {
    m_click.set(std::move(action));
}

void PictureControl::setDoubleClickAction(std::function<void()> action) {
    m_doubleClick.set(std::move(action));
}

void PictureControl::click() const {
    if (takesMouse()) {
        m_click.run();
    }
}

void PictureControl::doubleClick() const {
    if (takesMouse()) {
        m_doubleClick.run();
    }
}

} // namespace vantor

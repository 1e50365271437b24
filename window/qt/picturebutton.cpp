#include "window/qt/picturebutton.hpp"

#include "assets/pictures.hpp"
#include "window/picturecontrol.hpp"

#include <QMouseEvent>
#include <QPainter>
#include <utility>

namespace vantor {

PictureButton::PictureButton(PictureControl& control, QImage picture, bool border,
                             std::function<void()> afterAction, QWidget* parent)
    : QWidget(parent), m_control(control), m_picture(std::move(picture)), m_border(border),
      m_afterAction(std::move(afterAction)) {
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
    showControl();
    m_control.onChanged([this] { showControl(); });
}

void PictureButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const int inset = m_border ? 1 : 0;
    if (m_border) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    // A face wider or taller than the button is cut at the border, not scaled.
    painter.setClipRect(rect().adjusted(inset, inset, -inset, -inset));
    painter.drawImage(QPoint(inset, inset), m_shown);
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click) {
        m_control.click();
        m_afterAction();
    }
}

void PictureButton::mouseDoubleClickEvent(QMouseEvent* event) {
    m_pressed = false;
    event->accept();
    if (event->button() == Qt::LeftButton) {
        m_control.doubleClick();
        m_afterAction();
    }
}

void PictureButton::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    m_control.mouseMove();
    m_afterAction();
}

void PictureButton::showControl() {
    m_shown = m_control.face() == Face::None ? m_picture : buttonFace(m_control.face());
    setVisible(m_control.visible());
    update();
}

} // namespace vantor

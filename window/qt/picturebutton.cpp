#include "window/qt/picturebutton.hpp"

#include "assets/pictures.hpp"
#include "window/picturecontrol.hpp"
#include "window/qt/zoom.hpp"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
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

void PictureButton::setPressable() {
    m_pressable = true;
    // From the Tab key only: a mouse click leaves the focus where it was, as before.
    setFocusPolicy(Qt::TabFocus);
}

void PictureButton::press() {
    m_control.click();
    m_afterAction();
}

void PictureButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    // The face grows with the zoom without smoothing, each of its pixels a block.
    const int zoom = zoomOf(*this);
    painter.scale(zoom, zoom);
    const QRect area(0, 0, width() / zoom, height() / zoom);
    const int inset = m_border ? 1 : 0;
    if (m_border) {
        drawOutline(painter, area, palette().color(QPalette::WindowText));
    }
    // A face wider or taller than the button is cut at the border, not scaled.
    painter.setClipRect(area.adjusted(inset, inset, -inset, -inset));
    painter.drawImage(QRect(QPoint(inset, inset), m_shown.size()), m_shown);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = area.adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
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
        press();
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

void PictureButton::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool pressKey = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (m_pressable && pressKey && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        if (!event->isAutoRepeat()) {
            press();
        }
        return;
    }
    QWidget::keyPressEvent(event);
}

void PictureButton::showControl() {
    m_shown = m_control.face() == Face::None ? m_picture : buttonFace(m_control.face());
    setVisible(m_control.visible());
    update();
}

} // namespace vantor

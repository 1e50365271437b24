#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

namespace vantor {

class PictureControl;

// The view of a picture control that carries a picture: a clock button showing its face, or
// the plain disc. It shows and hides with the model; a click (released inside) and a
// double-click go to the model, the double-click after the click of its first press. A clock
// button also takes the keyboard focus from the Tab key and clicks on Space or Enter.
class PictureButton : public QWidget {
public:
    // The picture is shown while the control has no face; a border is one single line.
    PictureButton(PictureControl& control, QImage picture, bool border,
                  std::function<void()> afterAction, QWidget* parent);

    // Makes it a button of the keyboard and of assistive tools.
    void setPressable();
    [[nodiscard]] bool pressable() const { return m_pressable; }

    // Clicks the control, as a mouse click released inside does.
    void press();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showControl();

    PictureControl& m_control;
    QImage m_picture;
    QImage m_shown;
    bool m_border = false;
    bool m_pressable = false;
    // A press of the left button that has not been released yet; the second press of a
    // double-click does not count, so its release clicks nothing.
    bool m_pressed = false;
    std::function<void()> m_afterAction;
};

} // namespace vantor

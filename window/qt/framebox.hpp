#pragma once

#include <QWidget>
#include <functional>

namespace vantor {

class Frame;

// The view of one frame of the model: a flat box of one thin line with the caption set into its
// top edge at the left. Mouse moves and double-clicks on the frame's own area go to the model.
class FrameBox : public QWidget {
public:
    FrameBox(Frame& frame, std::function<void()> afterAction, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void showCaption();

    Frame& m_frame;
    std::function<void()> m_afterAction;
};

} // namespace vantor

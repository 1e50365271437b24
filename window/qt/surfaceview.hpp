#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <functional>

namespace vantor {

class PictureControl;
class Surface;

// The view of a picture control that holds a drawing surface (the plan view, the sky view). It
// paints the surface's pixels one to one, shows and hides with the model, and passes
// double-clicks and mouse moves to the model.
class SurfaceView : public QWidget {
public:
    // A border is one single line around the surface's pixels.
    SurfaceView(PictureControl& control, Surface& surface, bool border,
                std::function<void()> afterAction, QWidget* parent);

    // Schedules a repaint of the pixels the surface changed since it was last asked, only those.
    void refresh();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    PictureControl& m_control;
    Surface& m_surface;
    // The surface's own pixels, shown in place.
    QImage m_image;
    bool m_border = false;
    bool m_painted = false;
    std::function<void()> m_afterAction;
};

} // namespace vantor

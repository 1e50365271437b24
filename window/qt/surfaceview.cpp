#include "window/qt/surfaceview.hpp"

#include "surface/surface.hpp"
#include "window/picturecontrol.hpp"
#include "window/qt/zoom.hpp"

#include <QMouseEvent>
#include <QPainter>
#include <utility>
#include <vector>

namespace vantor {

SurfaceView::SurfaceView(PictureControl& control, Surface& surface, bool border,
                         std::function<void()> afterAction, QWidget* parent)
    : QWidget(parent), m_control(control), m_surface(surface),
      m_image(reinterpret_cast<const uchar*>(surface.Image().data()), surface.width(),
              surface.height(), static_cast<qsizetype>(surface.width()) * 4, QImage::Format_RGB32),
      m_border(border), m_afterAction(std::move(afterAction)) {
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setVisible(m_control.visible());
    m_control.onChanged([this] { setVisible(m_control.visible()); });
}

void SurfaceView::refresh() {
    const std::vector<PixelRect> changed = m_surface.takeChangedRects();
    if (!m_painted) {
        update();
        return;
    }
    const int zoom = zoomOf(*this);
    const int inset = m_border ? 1 : 0;
    for (const PixelRect& rect : changed) {
        update((rect.left + inset) * zoom, (rect.top + inset) * zoom, rect.width * zoom,
               rect.height * zoom);
    }
}

void SurfaceView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    // Every surface pixel stays a whole block of device pixels: no smoothing, no fractions.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const int zoom = zoomOf(*this);
    painter.scale(zoom, zoom);
    const QRect area(0, 0, width() / zoom, height() / zoom);
    painter.fillRect(area, palette().color(QPalette::Window));
    const int inset = m_border ? 1 : 0;
    if (m_border) {
        drawOutline(painter, area, palette().color(QPalette::WindowText));
    }
    painter.setClipRect(area.adjusted(inset, inset, -inset, -inset));
    // Given as a target rectangle, so that the picture is scaled with the painter.
    painter.drawImage(QRect(QPoint(inset, inset), m_image.size()), m_image);
    m_painted = true;
}

void SurfaceView::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton) {
        m_control.doubleClick();
        m_afterAction();
    }
}

void SurfaceView::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    m_control.mouseMove();
    m_afterAction();
}

} // namespace vantor

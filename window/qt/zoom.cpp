#include "window/qt/zoom.hpp"

#include <QPainter>
#include <QVariant>
#include <QWidget>

namespace vantor {

namespace {

constexpr char zoomProperty[] = "vantorZoom";

} // namespace

int zoomOf(const QWidget& widget) {
    const QVariant zoom = widget.window()->property(zoomProperty);
    return zoom.isValid() ? zoom.toInt() : minimumZoom;
}

void setZoomOf(QWidget& window, int zoom) {
    window.setProperty(zoomProperty, zoom);
}

void drawOutline(QPainter& painter, const QRect& rect, const QColor& colour) {
    painter.fillRect(rect.left(), rect.top(), rect.width(), 1, colour);
    painter.fillRect(rect.left(), rect.bottom(), rect.width(), 1, colour);
    painter.fillRect(rect.left(), rect.top(), 1, rect.height(), colour);
    painter.fillRect(rect.right(), rect.top(), 1, rect.height(), colour);
}

} // namespace vantor

#pragma once

class QColor;
class QPainter;
class QRect;
class QWidget;

namespace vantor {

// The projector zoom: the main window shown at a whole multiple of its size, 1 to 4. The
// widgets lay out and paint in the normal size's pixels, each under a painter scaled by it.
inline constexpr int minimumZoom = 1;
inline constexpr int maximumZoom = 4;

// The zoom of the window the widget is in (1 outside the main window).
[[nodiscard]] int zoomOf(const QWidget& widget);
void setZoomOf(QWidget& window, int zoom);

// A line one pixel wide just inside the rectangle's edge, filled as whole pixels, so that under a
// zoomed painter it stays inside the rectangle as the zoom's number of screen pixels.
void drawOutline(QPainter& painter, const QRect& rect, const QColor& colour);

} // namespace vantor

#include "window/qt/zoom.hpp"

#include <QObject>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <utility>
#include <vector>

namespace vantor {

namespace {

// The zoom of each window that has one (a program has one main window). Every widget asks at
// each paint, so the list is searched by address, not through the window's named properties.
std::vector<std::pair<const QWidget*, int>>& zooms() {
    static std::vector<std::pair<const QWidget*, int>> list;
    return list;
}

auto zoomEntry(const QWidget* window) {
    return std::find_if(zooms().begin(), zooms().end(),
                        [window](const auto& entry) { return entry.first == window; });
}

} // namespace

int zoomOf(const QWidget& widget) {
    const auto entry = zoomEntry(widget.window());
    return entry == zooms().end() ? minimumZoom : entry->second;
}

void setZoomOf(QWidget& window, int zoom) {
    if (const auto entry = zoomEntry(&window); entry != zooms().end()) {
        entry->second = zoom;
        return;
    }
    zooms().emplace_back(&window, zoom);
    QObject::connect(&window, &QObject::destroyed, [gone = &window] {
        std::erase_if(zooms(), [gone](const auto& entry) { return entry.first == gone; });
    });
}

void drawOutline(QPainter& painter, const QRect& rect, const QColor& colour) {
    painter.fillRect(rect.left(), rect.top(), rect.width(), 1, colour);
    painter.fillRect(rect.left(), rect.bottom(), rect.width(), 1, colour);
    painter.fillRect(rect.left(), rect.top(), 1, rect.height(), colour);
    painter.fillRect(rect.right(), rect.top(), 1, rect.height(), colour);
}

} // namespace vantor

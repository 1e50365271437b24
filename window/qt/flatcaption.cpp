#include "window/qt/flatcaption.hpp"

#include "window/qt/zoom.hpp"

#include <QAbstractButton>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace vantor {

void paintFlatCaption(QPainter& painter, const QAbstractButton& button, int left) {
    if (button.text().isEmpty()) {
        return;
    }
    // The painter is scaled by the zoom; the caption is laid out in the normal size's pixels.
    const int zoom = zoomOf(button);
    const QRect line(left, 0, button.width() / zoom - left, button.height() / zoom);
    constexpr int alignment = Qt::AlignLeft | Qt::AlignVCenter;
    painter.setPen(button.palette().color(
        button.isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(line, alignment, button.text());
    if (button.hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(&button);
        focus.rect = button.fontMetrics()
                         .boundingRect(line, alignment, button.text())
                         .adjusted(-1, 0, 1, 0)
                         .intersected(QRect(0, 0, button.width() / zoom, button.height() / zoom));
        button.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, &button);
    }
}

} // namespace vantor

#include "window/qt/checkboxwidget.hpp"

#include "window/layout.hpp"
#include "window/qt/flatcaption.hpp"
#include "window/qt/zoom.hpp"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <utility>

namespace vantor {

CheckBoxWidget::CheckBoxWidget(CheckBox& box, std::function<void()> afterAction, QWidget* parent)
    : ModelButtonWidget(box, std::move(afterAction), parent) {
    showModel();
    // Assistive tools toggle the box itself rather than clicking it; that too goes to the model
    // as a click. The box's own changes are made with its signals blocked.
    connect(this, &QAbstractButton::toggled, this, [this](bool checked) {
        if (checked != shownChecked(model())) {
            nextCheckState();
        }
    });
}

void CheckBoxWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const int zoom = zoomOf(*this);
    painter.scale(zoom, zoom);
    const int shownHeight = height() / zoom;
    const QPalette& colours = palette();
    const QRect box(0, markTop(shownHeight, checkMarkSize), checkMarkSize, checkMarkSize);
    painter.fillRect(box, colours.color(QPalette::Base));
    drawOutline(painter, box, colours.color(QPalette::WindowText));
    painter.setPen(colours.color(QPalette::WindowText));
    if (isChecked()) {
        // A tick of two strokes, two pixels thick.
        const QPoint corner = box.topLeft();
        for (int thickness = 0; thickness < 2; ++thickness) {
            const QPoint down(0, thickness);
            painter.drawLine(corner + QPoint(3, 5) + down, corner + QPoint(5, 7) + down);
            painter.drawLine(corner + QPoint(5, 7) + down, corner + QPoint(9, 3) + down);
        }
    }
    paintFlatCaption(painter, *this, checkMarkSize + markCaptionGap);
    if (text().isEmpty() && hasFocus()) {
        // A box without a caption shows its focus around the box.
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect =
            box.adjusted(-1, -1, 1, 1).intersected(QRect(0, 0, width() / zoom, shownHeight));
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

} // namespace vantor

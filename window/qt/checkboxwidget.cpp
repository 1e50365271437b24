#include "window/qt/checkboxwidget.hpp"

#include "window/checkbox.hpp"
#include "window/layout.hpp"
#include "window/qt/flatcaption.hpp"
#include "window/qt/zoom.hpp"

#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <utility>

namespace vantor {

CheckBoxWidget::CheckBoxWidget(CheckBox& box, std::function<void()> afterAction, QWidget* parent)
    : QCheckBox(QString::fromStdString(box.caption()), parent), m_box(box),
      m_afterAction(std::move(afterAction)) {
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
    showValue();
    m_box.onChanged([this] { showValue(); });
    // Assistive tools toggle the box itself rather than clicking it; that too goes to the model
    // as a click. The box's own changes are made with its signals blocked.
    connect(this, &QAbstractButton::toggled, this, [this](bool checked) {
        if (checked != (m_box.value() != 0)) {
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

bool CheckBoxWidget::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

void CheckBoxWidget::nextCheckState() {
    m_box.click();
    showValue();
    m_afterAction();
}

void CheckBoxWidget::mouseMoveEvent(QMouseEvent* event) {
    m_box.mouseMove();
    m_afterAction();
    QCheckBox::mouseMoveEvent(event);
}

void CheckBoxWidget::showValue() {
    const QSignalBlocker blocker(this);
    // Any value other than 0 is shown checked, as the actions read it.
    setChecked(m_box.value() != 0);
}

} // namespace vantor

#include "window/qt/labelwidget.hpp"

#include "window/label.hpp"
#include "window/qt/zoom.hpp"

#include <QMouseEvent>
#include <QPainter>
#include <utility>

namespace vantor {

LabelWidget::LabelWidget(Label& label, std::function<void()> afterAction, QWidget* parent)
    : QLabel(parent), m_label(label), m_afterAction(std::move(afterAction)) {
    setTextFormat(Qt::PlainText);
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
    setAttribute(Qt::WA_OpaquePaintEvent);
    showLabel();
    m_label.onChanged([this] { showLabel(); });
}

void LabelWidget::mouseMoveEvent(QMouseEvent* event) {
    m_label.mouseMove();
    m_afterAction();
    QLabel::mouseMoveEvent(event);
}

void LabelWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const int zoom = zoomOf(*this);
    painter.scale(zoom, zoom);
    QRect area(0, 0, width() / zoom, height() / zoom);
    if (frameShape() == QFrame::Box) {
        drawOutline(painter, area, palette().color(QPalette::WindowText));
        // Left-aligned text keeps half an x's width from a border, as a bordered label does.
        const int indent =
            (alignment() & Qt::AlignLeft) ? fontMetrics().horizontalAdvance('x') / 2 : 0;
        area.adjust(1 + indent, 1, -1, -1);
    }
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(area, static_cast<int>(alignment()), text());
}

void LabelWidget::showLabel() {
    // Only what changed is set again: each setting repaints the label.
    const int shape = m_label.borderStyle() == 1 ? QFrame::Box : QFrame::NoFrame;
    if (frameShape() != shape) {
        setFrameStyle(shape | QFrame::Plain);
    }
    const QString caption = QString::fromStdString(m_label.caption());
    if (caption != text()) {
        setText(caption);
    }
}

} // namespace vantor

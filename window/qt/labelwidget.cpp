#include "window/qt/labelwidget.hpp"

#include "window/label.hpp"
#include "window/qt/zoom.hpp"

#include <QAccessible>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QtMath>
#include <algorithm>
#include <utility>

namespace vantor {

LabelWidget::LabelWidget(Label& label, std::function<void()> afterAction, QWidget* parent)
    : QFrame(parent), m_label(label), m_afterAction(std::move(afterAction)) {
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
    setAttribute(Qt::WA_OpaquePaintEvent);
    showLabel();
    m_label.onChanged([this] { showLabel(); });
}

void LabelWidget::setAlignment(Qt::Alignment alignment) {
    m_alignment = alignment;
    update();
}

void LabelWidget::mouseMoveEvent(QMouseEvent* event) {
    m_label.mouseMove();
    m_afterAction();
    QFrame::mouseMoveEvent(event);
}

QRect LabelWidget::textArea() const {
    const int zoom = zoomOf(*this);
    QRect area(0, 0, width() / zoom, height() / zoom);
    if (frameShape() == QFrame::Box) {
        // Left-aligned text keeps half an x's width from a border, as a bordered label does.
        const int indent =
            (m_alignment & Qt::AlignLeft) ? fontMetrics().horizontalAdvance('x') / 2 : 0;
        area.adjust(1 + indent, 1, -1, -1);
    }
    return area;
}

QRect LabelWidget::inkRect(const QString& text) const {
    if (text.isEmpty()) {
        return {};
    }
    const int zoom = zoomOf(*this);
    const QRect whole(0, 0, width(), height());
    // The rows the characters' glyphs cover around the baseline, placed as the text is drawn,
    // across the label's whole width. A combining mark is placed by the shaping, not where its
    // glyph alone would go: such a text repaints the whole label.
    const QFontMetricsF metrics(font());
    qreal top = 0;
    qreal bottom = 0;
    for (const QChar character : text) {
        if (character.isMark() || character.isSurrogate()) {
            return whole;
        }
        const QRectF glyph = metrics.boundingRect(character);
        top = std::min(top, glyph.top());
        bottom = std::max(bottom, glyph.bottom());
    }
    const QRect area = textArea();
    qreal lineTop = area.top();
    if (m_alignment & Qt::AlignVCenter) {
        lineTop += (area.height() - metrics.height()) / 2;
    } else if (m_alignment & Qt::AlignBottom) {
        lineTop += area.height() - metrics.height();
    }
    const int baseline = qRound(lineTop + metrics.ascent());
    const int first = baseline + qFloor(top);
    const int last = baseline + qCeil(bottom);
    return QRect(0, first * zoom, width(), (last - first + 1) * zoom) & whole;
}

void LabelWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const int zoom = zoomOf(*this);
    painter.scale(zoom, zoom);
    if (frameShape() == QFrame::Box) {
        drawOutline(painter, QRect(0, 0, width() / zoom, height() / zoom),
                    palette().color(QPalette::WindowText));
    }
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(textArea(), static_cast<int>(m_alignment), m_text);
    m_inkRect = inkRect(m_text);
}

void LabelWidget::showLabel() {
    // Only what changed is set again: a new border repaints the label, a new text the pixels
    // that text and the one before it cover.
    const int shape = m_label.borderStyle() == 1 ? QFrame::Box : QFrame::NoFrame;
    if (frameShape() != shape) {
        setFrameStyle(shape | QFrame::Plain);
    }
    const QString caption = QString::fromStdString(m_label.caption());
    if (caption == m_text) {
        return;
    }
    // A hidden label is painted whole when it is shown: its text is not measured before.
    if (isVisible()) {
        update(m_inkRect | inkRect(caption));
    }
    m_text = caption;
    if (accessibleName().isEmpty()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace vantor

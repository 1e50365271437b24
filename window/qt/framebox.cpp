#include "window/qt/framebox.hpp"

#include "window/frame.hpp"
#include "window/qt/zoom.hpp"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <utility>

namespace vantor {

namespace {

// Pixels between the frame's left edge and its caption, and around the caption's text.
constexpr int captionIndent = 6;
constexpr int captionPadding = 2;

} // namespace

FrameBox::FrameBox(Frame& frame, std::function<void()> afterAction, QWidget* parent)
    : QWidget(parent), m_frame(frame), m_afterAction(std::move(afterAction)) {
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
    // The whole frame takes its window colour, as the desktop gives it.
    setAutoFillBackground(true);
    showCaption();
    m_frame.onChanged([this] { showCaption(); });
}

void FrameBox::showCaption() {
    // Assistive tools name the frame by its caption, which follows the world model.
    setAccessibleName(QString::fromStdString(m_frame.caption()));
    update();
}

void FrameBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const int zoom = zoomOf(*this);
    painter.scale(zoom, zoom);
    const QFontMetrics metrics(font());
    const QString caption = QString::fromStdString(m_frame.caption());

    // The line runs through the middle of the caption's text.
    const int lineY = metrics.height() / 2;
    drawOutline(painter, QRect(0, lineY, width() / zoom, height() / zoom - lineY),
                palette().color(QPalette::Dark));

    if (caption.isEmpty()) {
        return;
    }
    const QRect textRect(captionIndent, 0, metrics.horizontalAdvance(caption) + 2 * captionPadding,
                         metrics.height());
    painter.fillRect(textRect, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(textRect, Qt::AlignCenter, caption);
}

void FrameBox::mouseMoveEvent(QMouseEvent* event) {
    m_frame.mouseMove();
    m_afterAction();
    event->accept();
}

void FrameBox::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    // The left button only, as on the map and the picture buttons.
    if (event->button() == Qt::LeftButton) {
        m_frame.doubleClick();
        m_afterAction();
    }
}

} // namespace vantor

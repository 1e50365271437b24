#include "window/qt/optionwidget.hpp"

#include "window/layout.hpp"
#include "window/optionbutton.hpp"
#include "window/qt/flatcaption.hpp"
#include "window/qt/zoom.hpp"

#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <utility>

namespace vantor {

namespace {

// The ring's dot when selected.
constexpr int dotSize = 4;

} // namespace

OptionWidget::OptionWidget(OptionButton& option, std::function<void()> afterAction, QWidget* parent)
    : QRadioButton(QString::fromStdString(option.caption()), parent), m_option(option),
      m_afterAction(std::move(afterAction)) {
    setAutoExclusive(false);
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
    showSelection();
    m_option.onChanged([this] { showSelection(); });
}

void OptionWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const int zoom = zoomOf(*this);
    painter.scale(zoom, zoom);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& colours = palette();
    const QRectF ring(0.5, markTop(height() / zoom, optionMarkSize) + 0.5, optionMarkSize - 1,
                      optionMarkSize - 1);
    painter.setPen(colours.color(QPalette::WindowText));
    painter.setBrush(colours.color(QPalette::Base));
    painter.drawEllipse(ring);
    if (isChecked()) {
        painter.setBrush(colours.color(QPalette::WindowText));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(ring.center(), dotSize / 2.0, dotSize / 2.0);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    paintFlatCaption(painter, *this, optionMarkSize + markCaptionGap);
}

bool OptionWidget::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

void OptionWidget::nextCheckState() {
    m_option.click();
    showSelection();
    m_afterAction();
}

void OptionWidget::mouseMoveEvent(QMouseEvent* event) {
    m_option.mouseMove();
    m_afterAction();
    QRadioButton::mouseMoveEvent(event);
}

void OptionWidget::showSelection() {
    const QSignalBlocker blocker(this);
    setChecked(m_option.selected());
}

} // namespace vantor

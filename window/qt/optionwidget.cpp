#include "window/qt/optionwidget.hpp"

#include "window/layout.hpp"
#include "window/qt/flatcaption.hpp"
#include "window/qt/zoom.hpp"

#include <QPainter>
#include <utility>

namespace vantor {

namespace {

// The ring's dot when selected.
constexpr int dotSize = 4;

} // namespace

OptionWidget::OptionWidget(OptionButton& option, std::function<void()> afterAction, QWidget* parent)
    : ModelButtonWidget(option, std::move(afterAction), parent) {
    // The model keeps the group exclusive; the toolkit's own exclusivity would uncheck the
    // neighbours before the model has chosen.
    setAutoExclusive(false);
    showModel();
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

} // namespace vantor

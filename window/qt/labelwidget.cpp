#include "window/qt/labelwidget.hpp"

#include "window/label.hpp"

#include <QMouseEvent>
#include <utility>

namespace vantor {

LabelWidget::LabelWidget(Label& label, std::function<void()> afterAction, QWidget* parent)
    : QLabel(parent), m_label(label), m_afterAction(std::move(afterAction)) {
    setTextFormat(Qt::PlainText);
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
    setLineWidth(1);
    showLabel();
    m_label.onChanged([this] { showLabel(); });
}

void LabelWidget::mouseMoveEvent(QMouseEvent* event) {
    m_label.mouseMove();
    m_afterAction();
    QLabel::mouseMoveEvent(event);
}

void LabelWidget::showLabel() {
    setFrameStyle(m_label.borderStyle() == 1 ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    setText(QString::fromStdString(m_label.caption()));
}

} // namespace vantor

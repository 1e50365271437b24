#include "window/qt/optionwidget.hpp"

#include "window/optionbutton.hpp"

#include <QMouseEvent>
#include <QSignalBlocker>
#include <utility>

namespace vantor {

OptionWidget::OptionWidget(OptionButton& option, std::function<void()> afterAction, QWidget* parent)
    : QRadioButton(QString::fromStdString(option.caption()), parent), m_option(option),
      m_afterAction(std::move(afterAction)) {
    setAutoExclusive(false);
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
    showSelection();
    m_option.onChanged([this] { showSelection(); });
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

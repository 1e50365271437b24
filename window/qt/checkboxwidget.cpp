#include "window/qt/checkboxwidget.hpp"

#include "window/checkbox.hpp"

#include <QMouseEvent>
#include <QSignalBlocker>
#include <utility>

namespace vantor {

CheckBoxWidget::CheckBoxWidget(CheckBox& box, std::function<void()> afterAction, QWidget* parent)
    : QCheckBox(QString::fromStdString(box.caption()), parent), m_box(box),
      m_afterAction(std::move(afterAction)) {
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
    showValue();
    m_box.onChanged([this] { showValue(); });
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

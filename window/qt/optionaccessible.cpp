#include "window/qt/optionaccessible.hpp"

#include <QRadioButton>

namespace vantor {

OptionAccessible::OptionAccessible(QRadioButton* option)
    : QAccessibleWidget(option, QAccessible::RadioButton) {}

QAccessible::State OptionAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = option()->isChecked();
    return state;
}

QString OptionAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && option()->accessibleName().isEmpty()) {
        return option()->text();
    }
    return QAccessibleWidget::text(t);
}

QStringList OptionAccessible::actionNames() const {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void OptionAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction()) {
        option()->click();
        return;
    }
    QAccessibleWidget::doAction(actionName);
}

QRadioButton* OptionAccessible::option() const {
    return static_cast<QRadioButton*>(widget());
}

} // namespace vantor

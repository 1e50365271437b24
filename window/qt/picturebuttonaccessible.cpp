#include "window/qt/picturebuttonaccessible.hpp"

#include "window/qt/keys.hpp"
#include "window/qt/picturebutton.hpp"

namespace vantor {

PictureButtonAccessible::PictureButtonAccessible(PictureButton* button)
    : QAccessibleWidget(button, QAccessible::Button) {}

QAccessible::Role PictureButtonAccessible::role() const {
    return button()->pressable() ? QAccessible::Button : QAccessible::Graphic;
}

QStringList PictureButtonAccessible::actionNames() const {
    if (!button()->pressable()) {
        return QAccessibleWidget::actionNames();
    }
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void PictureButtonAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction() && button()->pressable()) {
        button()->press();
        return;
    }
    QAccessibleWidget::doAction(actionName);
}

QStringList PictureButtonAccessible::keyBindingsForAction(const QString& actionName) const {
    if (actionName != pressAction()) {
        return QAccessibleWidget::keyBindingsForAction(actionName);
    }
    QStringList bindings;
    for (const QKeySequence& key : keysOf(button()->objectName().toStdString())) {
        bindings << key.toString(QKeySequence::NativeText);
    }
    return bindings;
}

QString PictureButtonAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Accelerator) {
        const QList<QKeySequence> keys = keysOf(button()->objectName().toStdString());
        return keys.isEmpty() ? QString() : keys.first().toString(QKeySequence::NativeText);
    }
    return QAccessibleWidget::text(t);
}

PictureButton* PictureButtonAccessible::button() const {
    return static_cast<PictureButton*>(widget());
}

} // namespace vantor

#pragma once

#include <QAccessibleWidget>

class QRadioButton;

namespace vantor {

// What assistive tools see of an option button: a radio button, checked while the model has it
// selected, whose press action clicks it as the mouse does. The widget is not auto-exclusive
// (the model keeps the group exclusive), so Qt would otherwise present it as a check box.
class OptionAccessible : public QAccessibleWidget {
public:
    explicit OptionAccessible(QRadioButton* option);

    [[nodiscard]] QAccessible::State state() const override;
    [[nodiscard]] QString text(QAccessible::Text t) const override;
    [[nodiscard]] QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    [[nodiscard]] QRadioButton* option() const;
};

} // namespace vantor

#pragma once

#include "window/checkbox.hpp"
#include "window/qt/modelbuttonwidget.hpp"

#include <QCheckBox>

namespace vantor {

// Any value other than 0 is shown checked, as the actions read it.
[[nodiscard]] inline bool shownChecked(const CheckBox& box) {
    return box.value() != 0;
}

// The view of one check box of the model. A user click goes to the model, which flips the value
// and runs the box's action; the box shows whatever value the model then holds.
class CheckBoxWidget : public ModelButtonWidget<QCheckBox, CheckBox> {
public:
    CheckBoxWidget(CheckBox& box, std::function<void()> afterAction, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace vantor

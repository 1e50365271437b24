#pragma once

#include "window/optionbutton.hpp"
#include "window/qt/modelbuttonwidget.hpp"

#include <QRadioButton>

namespace vantor {

[[nodiscard]] inline bool shownChecked(const OptionButton& option) {
    return option.selected();
}

// The view of one option button of the model. The model keeps its group exclusive; a user click
// goes to the model and the button shows the selection the model then holds.
class OptionWidget : public ModelButtonWidget<QRadioButton, OptionButton> {
public:
    OptionWidget(OptionButton& option, std::function<void()> afterAction, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace vantor

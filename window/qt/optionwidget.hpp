#pragma once

#include <QRadioButton>
#include <functional>

namespace vantor {

class OptionButton;

// The view of one option button of the model. The model keeps its group exclusive; a user click
// goes to the model and the button shows the selection the model then holds.
class OptionWidget : public QRadioButton {
public:
    OptionWidget(OptionButton& option, std::function<void()> afterAction, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    [[nodiscard]] bool hitButton(const QPoint& pos) const override;
    void nextCheckState() override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void showSelection();

    OptionButton& m_option;
    std::function<void()> m_afterAction;
};

} // namespace vantor

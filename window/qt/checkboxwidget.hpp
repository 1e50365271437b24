#pragma once

#include <QCheckBox>
#include <functional>

namespace vantor {

class CheckBox;

// The view of one check box of the model. A user click goes to the model, which flips the value
// and runs the box's action; the box shows whatever value the model then holds.
class CheckBoxWidget : public QCheckBox {
public:
    CheckBoxWidget(CheckBox& box, std::function<void()> afterAction, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    [[nodiscard]] bool hitButton(const QPoint& pos) const override;
    void nextCheckState() override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void showValue();

    CheckBox& m_box;
    std::function<void()> m_afterAction;
};

} // namespace vantor

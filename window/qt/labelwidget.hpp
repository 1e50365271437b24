#pragma once

#include <QLabel>
#include <functional>
#include <string>

namespace vantor {

class Label;

// The view of one label of the model: its text and its single-line border follow the model. It
// paints its own background, so a new date repaints the label alone and not the frame beneath.
class LabelWidget : public QLabel {
public:
    LabelWidget(Label& label, std::function<void()> afterAction, QWidget* parent);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void showLabel();

    Label& m_label;
    std::function<void()> m_afterAction;
};

} // namespace vantor

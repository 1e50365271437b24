#pragma once

#include <QMouseEvent>
#include <QSignalBlocker>
#include <QString>
#include <functional>
#include <utility>

namespace vantor {

// What a check box and an option button share on the desktop: a click anywhere on the control
// goes to its model, which decides the value; the widget then shows what the model holds
// (`shownChecked(model)`); a mouse move goes to the model too, for the hint line.
template <typename Button, typename Model> class ModelButtonWidget : public Button {
public:
    ModelButtonWidget(Model& model, std::function<void()> afterAction, QWidget* parent)
        : Button(QString::fromStdString(model.caption()), parent), m_model(model),
          m_afterAction(std::move(afterAction)) {
        this->setMouseTracking(true);
        this->setAttribute(Qt::WA_NoMousePropagation);
        m_model.onChanged([this] { showModel(); });
    }

protected:
    [[nodiscard]] bool hitButton(const QPoint& pos) const override {
        return this->rect().contains(pos);
    }

    void nextCheckState() override {
        m_model.click();
        showModel();
        m_afterAction();
    }

    void mouseMoveEvent(QMouseEvent* event) override {
        m_model.mouseMove();
        m_afterAction();
        Button::mouseMoveEvent(event);
    }

    // The widget's own state follows the model with its signals blocked, so showing a value is
    // never taken for a user's change.
    void showModel() {
        const QSignalBlocker blocker(this);
        this->setChecked(shownChecked(m_model));
    }

    [[nodiscard]] const Model& model() const { return m_model; }

private:
    Model& m_model;
    std::function<void()> m_afterAction;
};

} // namespace vantor

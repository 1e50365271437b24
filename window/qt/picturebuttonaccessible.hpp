#pragma once

#include <QAccessibleWidget>

namespace vantor {

class PictureButton;

// What assistive tools see of a picture button: a clock button is a push button whose press
// action clicks it, as a mouse click does, with the window's keys for it; the plain disc and the
// faces are pictures.
class PictureButtonAccessible : public QAccessibleWidget {
public:
    explicit PictureButtonAccessible(PictureButton* button);

    [[nodiscard]] QAccessible::Role role() const override;
    [[nodiscard]] QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    [[nodiscard]] QStringList keyBindingsForAction(const QString& actionName) const override;
    [[nodiscard]] QString text(QAccessible::Text t) const override;

private:
    [[nodiscard]] PictureButton* button() const;
};

} // namespace vantor

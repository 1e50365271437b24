#pragma once

#include <QAccessibleInterface>
#include <QString>

class QAction;

namespace vantor {

// What assistive tools see of a menu command that has a description of its own: the toolkit's
// menu item in everything, with that description added.
class MenuItemAccessible : public QAccessibleInterface {
public:
    // Wraps the toolkit's own interface of the command, or answers nullptr when the action has
    // no description or the toolkit has no interface for it.
    [[nodiscard]] static QAccessibleInterface* wrap(QAction* action);
    ~MenuItemAccessible() override;
    MenuItemAccessible(const MenuItemAccessible&) = delete;
    MenuItemAccessible& operator=(const MenuItemAccessible&) = delete;
    MenuItemAccessible(MenuItemAccessible&&) = delete;
    MenuItemAccessible& operator=(MenuItemAccessible&&) = delete;

    [[nodiscard]] bool isValid() const override;
    [[nodiscard]] QObject* object() const override;
    [[nodiscard]] QWindow* window() const override;
    [[nodiscard]] QAccessibleInterface* focusChild() const override;
    [[nodiscard]] QAccessibleInterface* childAt(int x, int y) const override;
    [[nodiscard]] QAccessibleInterface* parent() const override;
    [[nodiscard]] QAccessibleInterface* child(int index) const override;
    [[nodiscard]] int childCount() const override;
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override;
    [[nodiscard]] QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    [[nodiscard]] QRect rect() const override;
    [[nodiscard]] QAccessible::Role role() const override;
    [[nodiscard]] QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

private:
    MenuItemAccessible(QAccessibleInterface* item, QString description);

    QAccessibleInterface* m_item;
    QAccessible::Id m_itemId;
    QString m_description;
};

// The property of a QAction that holds its description for assistive tools.
inline constexpr char accessibleDescriptionProperty[] = "vantorAccessibleDescription";

} // namespace vantor

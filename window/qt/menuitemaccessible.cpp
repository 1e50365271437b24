#include "window/qt/menuitemaccessible.hpp"

#include <QAction>
#include <QMenu>
#include <QVariant>
#include <utility>

namespace vantor {

QAccessibleInterface* MenuItemAccessible::wrap(QAction* action) {
    // A menu asked for a child first asks this query for the item's action and makes an item of
    // its own only when the query has none. The flag lets that inner query through empty, so the
    // menu makes its own item, which is wrapped here; it is deleted with its wrapper.
    static bool wrapping = false;
    const QString description = action->property(accessibleDescriptionProperty).toString();
    auto* menu = qobject_cast<QMenu*>(action->parent());
    if (wrapping || description.isEmpty() || menu == nullptr || !menu->actions().contains(action)) {
        return nullptr;
    }
    QAccessibleInterface* menuInterface = QAccessible::queryAccessibleInterface(menu);
    if (menuInterface == nullptr) {
        return nullptr;
    }
    wrapping = true;
    QAccessibleInterface* item =
        menuInterface->child(static_cast<int>(menu->actions().indexOf(action)));
    wrapping = false;
    return item == nullptr ? nullptr : new MenuItemAccessible(item, description);
}

MenuItemAccessible::MenuItemAccessible(QAccessibleInterface* item, QString description)
    : m_item(item), m_itemId(QAccessible::uniqueId(item)), m_description(std::move(description)) {}

MenuItemAccessible::~MenuItemAccessible() {
    QAccessible::deleteAccessibleInterface(m_itemId);
}

bool MenuItemAccessible::isValid() const {
    return m_item->isValid();
}
QObject* MenuItemAccessible::object() const {
    return m_item->object();
}
QWindow* MenuItemAccessible::window() const {
    return m_item->window();
}
QAccessibleInterface* MenuItemAccessible::focusChild() const {
    return m_item->focusChild();
}
QAccessibleInterface* MenuItemAccessible::childAt(int x, int y) const {
    return m_item->childAt(x, y);
}
QAccessibleInterface* MenuItemAccessible::parent() const {
    return m_item->parent();
}
QAccessibleInterface* MenuItemAccessible::child(int index) const {
    return m_item->child(index);
}
int MenuItemAccessible::childCount() const {
    return m_item->childCount();
}
int MenuItemAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return m_item->indexOfChild(child);
}
QString MenuItemAccessible::text(QAccessible::Text t) const {
    return t == QAccessible::Description ? m_description : m_item->text(t);
}
void MenuItemAccessible::setText(QAccessible::Text t, const QString& text) {
    m_item->setText(t, text);
}
QRect MenuItemAccessible::rect() const {
    return m_item->rect();
}
QAccessible::Role MenuItemAccessible::role() const {
    return m_item->role();
}
QAccessible::State MenuItemAccessible::state() const {
    return m_item->state();
}
void* MenuItemAccessible::interface_cast(QAccessible::InterfaceType type) {
    return m_item->interface_cast(type);
}

} // namespace vantor

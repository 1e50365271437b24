#include "window/optiongroup.hpp"

#include <utility>

namespace vantor {

OptionGroup::OptionGroup(const std::vector<Member>& members, int selected) {
    m_buttons.reserve(members.size());
    for (const auto& member : members) {
        m_buttons.push_back(
            std::make_unique<OptionButton>(*this, size(), member.name, member.caption));
    }
    if (contains(selected)) {
        m_selected = selected;
        m_buttons[selected]->m_selected = true;
    }
}

void OptionGroup::click(int index) {
    if (!contains(index)) {
        return;
    }
    change(index);
    m_click.run(index);
}

void OptionGroup::select(int index) {
    if (!contains(index) || index == m_selected) {
        return;
    }
    change(index);
    m_click.run(index);
}

void OptionGroup::setClickAction(std::function<void(int)> action) {
    m_click.set(std::move(action));
}

void OptionGroup::onChanged(Notifier::Listener listener) {
    m_changed.subscribe(std::move(listener));
}

void OptionGroup::change(int index) {
    if (index == m_selected) {
        return;
    }
    const int previous = m_selected;
    m_selected = index;
    // Both states are settled before anyone is told, so every listener sees one selection.
    if (contains(previous)) {
        m_buttons[previous]->m_selected = false;
    }
    m_buttons[index]->m_selected = true;
    if (contains(previous)) {
        m_buttons[previous]->notifyChanged();
    }
    m_buttons[index]->notifyChanged();
    m_changed.notify();
}

} // namespace vantor

#pragma once

#include "window/action.hpp"
#include "window/notifier.hpp"
#include "window/optionbutton.hpp"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vantor {

// A group of option buttons in one frame, indexed 0 to size()-1, at most one selected, sharing
// one click action that receives the index of the member selected.
//
// Selecting a member deselects the others, tells the listeners (each member whose state changed,
// then the group's), then runs the action. A user click runs the action even on the member
// already selected, as the toolkit does (the actions redo harmless work); a write of True from
// code to the member already selected runs nothing. Indexes outside the group are ignored.
class OptionGroup {
public:
    struct Member {
        std::string name;
        std::string caption;
    };
    static constexpr int noSelection = -1;

    explicit OptionGroup(const std::vector<Member>& members, int selected = noSelection);
    OptionGroup(const OptionGroup&) = delete;
    OptionGroup& operator=(const OptionGroup&) = delete;
    OptionGroup(OptionGroup&&) = delete;
    OptionGroup& operator=(OptionGroup&&) = delete;
    ~OptionGroup() = default;

    [[nodiscard]] int size() const { return static_cast<int>(m_buttons.size()); }
    [[nodiscard]] OptionButton& button(int index) { return *m_buttons.at(index); }
    [[nodiscard]] const OptionButton& button(int index) const { return *m_buttons.at(index); }
    // The index of the selected member, or noSelection.
    [[nodiscard]] int selected() const { return m_selected; }

    void click(int index);
    void select(int index);

    void setClickAction(std::function<void(int)> action);
    // Told once after each change of the selection.
    void onChanged(Notifier::Listener listener);

private:
    [[nodiscard]] bool contains(int index) const { return index >= 0 && index < size(); }
    void change(int index);

    std::vector<std::unique_ptr<OptionButton>> m_buttons;
    int m_selected = noSelection;
    Action<int> m_click;
    Notifier m_changed;
};

} // namespace vantor

#pragma once

#include "window/control.hpp"

#include <string>

namespace vantor {

class OptionGroup;

// One member of an option group: its caption, its index in the group and whether it is the
// selected one. Its selection is changed only through its group, which also owns it.
class OptionButton : public Control {
public:
    OptionButton(OptionGroup& group, int index, std::string name, std::string caption);

    [[nodiscard]] const std::string& caption() const { return m_caption; }
    [[nodiscard]] int index() const { return m_index; }
    [[nodiscard]] bool selected() const { return m_selected; }

    // A user click on this member; see OptionGroup::click.
    void click();
    // A write of True from code; see OptionGroup::select.
    void select();

private:
    friend class OptionGroup;

    OptionGroup* m_group = nullptr;
    int m_index = 0;
    std::string m_caption;
    bool m_selected = false;
};

} // namespace vantor

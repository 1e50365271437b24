#pragma once

#include "window/action.hpp"
#include "window/notifier.hpp"

#include <functional>
#include <string>

namespace vantor {

// A menu title or menu item: a writable caption ("-" makes a separator line), whether it is
// enabled, and a click action, which a disabled item does not run.
class MenuItem {
public:
    explicit MenuItem(std::string name, std::string caption = {}, bool enabled = true);
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;
    MenuItem(MenuItem&&) = delete;
    MenuItem& operator=(MenuItem&&) = delete;
    ~MenuItem() = default;

    [[nodiscard]] const std::string& name() const { return m_name; }

    [[nodiscard]] const std::string& caption() const { return m_caption; }
    void setCaption(std::string caption);
    [[nodiscard]] bool isSeparator() const { return m_caption == "-"; }

    [[nodiscard]] bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    void setClickAction(std::function<void()> action);
    void click() const;

    void onChanged(Notifier::Listener listener);

private:
    std::string m_name;
    std::string m_caption;
    bool m_enabled = true;
    Action<> m_click;
    Notifier m_changed;
};

} // namespace vantor

#pragma once

#include <functional>
#include <utility>

namespace vantor {

// One event action of a control. Running it calls a copy of the stored function, so the
// action may replace itself, or write other controls that run their own actions, while it runs.
template <typename... Args> class Action {
public:
    void set(std::function<void(Args...)> function) { m_function = std::move(function); }

    [[nodiscard]] bool isSet() const { return static_cast<bool>(m_function); }

    void run(Args... args) const {
        if (!m_function) {
            return;
        }
        const auto function = m_function;
        function(args...);
    }

private:
    std::function<void(Args...)> m_function;
};

} // namespace vantor

#include "window/notifier.hpp"

#include <utility>

namespace vantor {

void Notifier::subscribe(Listener listener) {
    if (listener) {
        m_listeners.push_back(std::move(listener));
    }
}

void Notifier::notify() const {
    // Indexes and copies, not iterators: a listener may subscribe others and grow the list.
    const auto count = m_listeners.size();
    for (std::size_t i = 0; i < count; ++i) {
        const auto listener = m_listeners[i];
        listener();
    }
}

} // namespace vantor

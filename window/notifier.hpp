#pragma once

#include <functional>
#include <vector>

namespace vantor {

// The listeners of one control, told after each change of its state (a viewer mirrors it).
// A listener may read any control, write controls, or subscribe further listeners while it runs;
// listeners subscribed during a notification are first told of the next change.
class Notifier {
public:
    using Listener = std::function<void()>;

    void subscribe(Listener listener);
    void notify() const;

private:
    std::vector<Listener> m_listeners;
};

} // namespace vantor

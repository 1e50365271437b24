#pragma once

#include "core/displayboxes.hpp"
#include "window/controls.hpp"

namespace vantor {

// The views' window onto the panel: each box the views read, answered from its check box.
class ControlBoxes : public DisplayBoxes {
public:
    explicit ControlBoxes(const Controls& controls) : m_controls(controls) {}

    [[nodiscard]] int value(Box box) const override;

private:
    const Controls& m_controls;
};

} // namespace vantor

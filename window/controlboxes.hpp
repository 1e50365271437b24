#pragma once

#include "core/displayboxes.hpp"
#include "window/controls.hpp"

#include <array>
#include <cstddef>

namespace vantor {

// The check box that answers for each box the views read, indexed by Box.
inline constexpr std::array<CheckBox Controls::*, 16> kBoxControls{
    &Controls::SUNoChk,  &Controls::SUNdiskChk, &Controls::SUNtrailChk, &Controls::IprojChk,
    &Controls::IoChk,    &Controls::IdiskChk,   &Controls::ItrailChk,   &Controls::EprojChk,
    &Controls::EoChk,    &Controls::EdiskChk,   &Controls::SprojChk,    &Controls::SoChk,
    &Controls::SdiskChk, &Controls::StrailChk,  &Controls::topGridChk,  &Controls::skyGridChk};
static_assert(kBoxControls.size() == static_cast<std::size_t>(Box::SkyGrid) + 1);

[[nodiscard]] inline CheckBox Controls::*boxControl(Box box) {
    return kBoxControls.at(static_cast<std::size_t>(box));
}

// The views' window onto the panel: each box the views read, answered from its check box.
class ControlBoxes : public DisplayBoxes {
public:
    explicit ControlBoxes(const Controls& controls) : m_controls(controls) {}

    [[nodiscard]] int value(Box box) const override {
        return (m_controls.*boxControl(box)).value();
    }

private:
    const Controls& m_controls;
};

} // namespace vantor

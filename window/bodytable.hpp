#pragma once
// The window's bodies as one table, which the full redraw, the display panel and the hint line
// iterate.

#include "core/bodyid.hpp"
#include "core/simstate.hpp"
#include "planview/planview.hpp"
#include "skyview/skyview.hpp"
#include "window/controls.hpp"

#include <array>
#include <cstddef>

namespace vantor {

// One body of the window: its box in the display panel, its flag, the routines of its figures
// with the boxes that show them, and the boxes that follow the body's box off, in the order they
// are turned off.
struct BodyRow {
    CheckBox Controls::*box;
    bool SimState::*flag;
    void (PlanView::*plan)(bool);
    void (SkyView::*sky)(bool); // none for the Earth
    // The Earth's line of sight points at the Sun; the Sun has none of its own.
    void (PlanView::*sight)(bool);
    CheckBox Controls::*sightBox;
    void (PlanView::*orbit)(bool);
    CheckBox Controls::*orbitBox;
    CheckBox Controls::*diskBox;
    bool diskHint;                // the Earth's disk box shows no hint
    CheckBox Controls::*trailBox; // none for the Earth
    std::array<CheckBox Controls::*, 3> dependents;
    bool zoomsGeo; // the superior planet: the geocentric plan view zooms out to hold it
};

// Indexed by BodyId.
inline constexpr std::array<BodyRow, 4> kBodies{{
    {&Controls::sunChk,
     &SimState::sunOn,
     &PlanView::drawSunPlan,
     &SkyView::drawSunSky,
     nullptr,
     nullptr,
     &PlanView::drawSunOrbit,
     &Controls::SUNoChk,
     &Controls::SUNdiskChk,
     true,
     &Controls::SUNtrailChk,
     {&Controls::EprojChk, &Controls::SUNoChk, &Controls::SUNtrailChk},
     false},
    {&Controls::earthChk,
     &SimState::earthOn,
     &PlanView::drawEarthPlan,
     nullptr,
     &PlanView::drawEarthSight,
     &Controls::EprojChk,
     &PlanView::drawEarthOrbit,
     &Controls::EoChk,
     &Controls::EdiskChk,
     false,
     nullptr,
     {&Controls::EprojChk, &Controls::EoChk, nullptr},
     false},
    {&Controls::interChk,
     &SimState::interOn,
     &PlanView::drawInterPlan,
     &SkyView::drawInterSky,
     &PlanView::drawInterSight,
     &Controls::IprojChk,
     &PlanView::drawInterOrbit,
     &Controls::IoChk,
     &Controls::IdiskChk,
     true,
     &Controls::ItrailChk,
     {&Controls::IprojChk, &Controls::IoChk, &Controls::ItrailChk},
     false},
    {&Controls::superChk,
     &SimState::superOn,
     &PlanView::drawSuperPlan,
     &SkyView::drawSuperSky,
     &PlanView::drawSuperSight,
     &Controls::SprojChk,
     &PlanView::drawSuperOrbit,
     &Controls::SoChk,
     &Controls::SdiskChk,
     true,
     &Controls::StrailChk,
     {&Controls::SprojChk, &Controls::SoChk, &Controls::StrailChk},
     true},
}};

[[nodiscard]] inline const BodyRow& rowOf(BodyId body) {
    return kBodies.at(static_cast<std::size_t>(body));
}

// The full redraw draws the bodies in this order, each body's figures together.
inline constexpr std::array<BodyId, 4> kRedrawOrder{BodyId::Earth, BodyId::Sun, BodyId::Inter,
                                                    BodyId::Super};

} // namespace vantor

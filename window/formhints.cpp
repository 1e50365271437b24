// The hint line: the text a control shows there while the mouse moves over it.

#include "window/bodytable.hpp"
#include "window/retroform.hpp"

#include <array>
#include <cstddef>
#include <initializer_list>

namespace vantor {

namespace {

// The clock buttons' hints, left to right.
constexpr std::array<const char*, 6> kClockHints{"Reset Time to T0",  "Step Time Backward",
                                                 "Run Time Backward", "Stop",
                                                 "Run Time Forward",  "Step Time Forward"};

// The model options' hints, in their order.
constexpr std::array<const char*, 3> kModelHints{
    "Select Heliocentric Model", "Select Geocentric Model", "Select Tychonic Model"};

// The hints of the display panel's columns, which their headings carry too.
constexpr const char* kOrbitHint = "Display orbit";
constexpr const char* kDiskHint = "Show Planet disk";
constexpr const char* kTrailHint = "Leave trail";
constexpr const char* kSightHint = "Project line-of-sight";

} // namespace

void RetroForm::wireHints() {
    Controls& c = m_controls;
    const auto hint = [this](Control& control, const char* text) {
        control.setMouseMoveAction([this, text] { showTip(text); });
    };
    const auto clock = c.clockButtons();
    for (std::size_t i = 0; i < clock.size(); ++i) {
        hint(*clock.at(i), kClockHints.at(i));
    }
    for (const BodyRow& body : kBodies) {
        hint(c.*body.box, "Hide/Display object");
        hint(c.*body.orbitBox, kOrbitHint);
        if (body.diskHint) {
            hint(c.*body.diskBox, kDiskHint);
        }
        if (body.trailBox != nullptr) {
            hint(c.*body.trailBox, kTrailHint);
        }
        if (body.sightBox != nullptr) {
            hint(c.*body.sightBox, kSightHint);
        }
    }
    hint(c.Label4, kOrbitHint);
    hint(c.Label5, kDiskHint);
    hint(c.Label3, kTrailHint);
    hint(c.Label2, kSightHint);
    hint(c.topChk, "Hide/Display Top View");
    hint(c.skyChk, "Hide/Display Sky View");
    for (int i = 0; i < c.modelOpt.size(); ++i) {
        hint(c.modelOpt.button(i), kModelHints.at(static_cast<std::size_t>(i)));
    }
    for (Control* area :
         std::initializer_list<Control*>{&c.planFrm, &c.planBlock, &c.Frame2, &c.mercator}) {
        hint(*area, "dbl Click to hide/display");
    }
    for (Control* area : std::initializer_list<Control*>{&c.retroF, &c.Frame4, &c.planView}) {
        area->setMouseMoveAction([this] { clearTip(); });
    }
    for (int i = 0; i < c.dtOpt.size(); ++i) {
        c.dtOpt.button(i).setMouseMoveAction([this] { clearTip(); });
    }
    // The display frame's own area empties the line but leaves its border standing.
    c.Frame3.setMouseMoveAction([this] { m_controls.tooltipsLab.setCaption(""); });
}

void RetroForm::showTip(const std::string& text) {
    m_controls.tooltipsLab.setBorderStyle(1);
    m_controls.tooltipsLab.setCaption(" " + text);
}

void RetroForm::clearTip() {
    m_controls.tooltipsLab.setBorderStyle(0);
    m_controls.tooltipsLab.setCaption("");
}

} // namespace vantor

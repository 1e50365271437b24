#include "window/accessibletexts.hpp"

#include <algorithm>
#include <array>

namespace vantor {

namespace {

// clang-format off
constexpr std::array texts{
    AccessibleText{"planFrm", "",
        "The plan view's frame; double-click it to hide or show the plan view"},
    AccessibleText{"Frame4", "", "The clock: its buttons, the size of one step and the date"},
    AccessibleText{"Frame3", "",
        "Which views, bodies, orbits, disks, trails and lines of sight are shown, and the world "
        "model"},
    AccessibleText{"Frame2", "",
        "The sky view's frame; double-click it to hide or show the sky view"},
    AccessibleText{"tooltipsLab", "Hint", "Hint for the control under the mouse pointer"},
    AccessibleText{"planBlock", "Plan view hidden",
        "A plain disc in place of the plan view; double-click it to show the plan view"},
    AccessibleText{"planView",
        "Plan view: the Sun, the Earth and the planets seen from above on a month dial",
        "Double-click it, or turn Top View off, to hide it"},
    AccessibleText{"t0But", "Reset time to T0", "Sets the date back to the start"},
    AccessibleText{"BstepBut", "Step time backward", "Stops the clock and goes back one step"},
    AccessibleText{"BrunBut", "Run time backward", "Starts or stops time running backward"},
    AccessibleText{"stopBut", "Stop", "Stops the clock"},
    AccessibleText{"FrunBut", "Run time forward", "Starts or stops time running forward"},
    AccessibleText{"FstepBut", "Step time forward", "Stops the clock and goes on one step"},
    AccessibleText{"dtOpt(0)", "Step of 1 day", "Each step of the clock is one day"},
    AccessibleText{"dtOpt(1)", "Step of 3 days", "Each step of the clock is three days"},
    AccessibleText{"dtOpt(2)", "Step of 10 days", "Each step of the clock is ten days"},
    AccessibleText{"dtOpt(3)", "Step of 1 month", "Each step of the clock is one month"},
    AccessibleText{"tLab", "", "The date the views show"},
    AccessibleText{"skyChk", "Sky view", "Shows or hides the sky view"},
    AccessibleText{"topChk", "Top view", "Shows the plan view, or a plain disc in its place"},
    AccessibleText{"skyGridChk", "Sky view grid", "Draws the longitude and latitude lines"},
    AccessibleText{"topGridChk", "Plan view grid", "Draws the plan view's axes"},
    AccessibleText{"helioOpt", "Heliocentric model", "The Earth and the planets circle the Sun"},
    AccessibleText{"geoOpt", "Geocentric model",
        "The Sun and the planets circle the Earth, the planets on epicycles"},
    AccessibleText{"tychoOpt", "Tychonic model",
        "The planets circle the Sun, and the Sun circles the Earth"},
    AccessibleText{"Label2", "Line of sight", "Heading of the line-of-sight boxes"},
    AccessibleText{"Label4", "Orbit", "Heading of the orbit boxes"},
    AccessibleText{"Label5", "Disk", "Heading of the disk boxes"},
    AccessibleText{"Label3", "Trail", "Heading of the trail boxes"},
    AccessibleText{"sunChk", "Sun", "Shows or hides the Sun; hiding it turns its boxes off"},
    AccessibleText{"SUNoChk", "Sun orbit", "Draws the Sun's orbit in the plan view"},
    AccessibleText{"SUNdiskChk", "Sun disk", "Draws the Sun as a disk at its true size"},
    AccessibleText{"SUNtrailChk", "Sun trail", "The Sun leaves a trail of dots on the sky view"},
    AccessibleText{"interChk", "Inferior planet",
        "Shows or hides the inferior planet; hiding it turns its boxes off"},
    AccessibleText{"IprojChk", "Inferior planet line of sight",
        "Draws the line from the Earth through the inferior planet to the month dial"},
    AccessibleText{"IoChk", "Inferior planet orbit",
        "Draws the inferior planet's orbit in the plan view"},
    AccessibleText{"IdiskChk", "Inferior planet disk",
        "Draws the inferior planet as a disk at its true size"},
    AccessibleText{"ItrailChk", "Inferior planet trail",
        "The inferior planet leaves a trail of dots on the sky view"},
    AccessibleText{"earthChk", "Earth", "Shows or hides the Earth; hiding it turns its boxes off"},
    AccessibleText{"EprojChk", "Earth line of sight to the Sun",
        "Draws the line from the Earth through the Sun to the month dial"},
    AccessibleText{"EoChk", "Earth orbit", "Draws the Earth's orbit in the plan view"},
    AccessibleText{"EdiskChk", "Earth disk", "Draws the Earth as a disk at its true size"},
    AccessibleText{"superChk", "Superior planet",
        "Shows or hides the superior planet; hiding it turns its boxes off"},
    AccessibleText{"SprojChk", "Superior planet line of sight",
        "Draws the line from the Earth through the superior planet to the month dial"},
    AccessibleText{"SoChk", "Superior planet orbit",
        "Draws the superior planet's orbit in the plan view"},
    AccessibleText{"SdiskChk", "Superior planet disk",
        "Draws the superior planet as a disk at its true size"},
    AccessibleText{"StrailChk", "Superior planet trail",
        "The superior planet leaves a trail of dots on the sky view"},
    AccessibleText{"mercator",
        "Sky view: where the Sun and planets are seen from the Earth, longitude across, "
        "latitude up and down",
        "Double-click it, or turn Sky View off, to hide it"},
    AccessibleText{"TsaveP", "",
        "Writes the plan view to plansave.bmp and makes it the plan view's background: clearing "
        "the plan view returns to this picture, with the markers, grid and lines it shows now"},
    AccessibleText{"TsaveMerc", "",
        "Writes the sky view to mersave.bmp and makes it the sky view's background: clearing the "
        "sky view returns to this picture, with the markers, grid, trails and stars it shows now"},
    AccessibleText{"retroF", "",
        "Ctrl+Plus and Ctrl+Minus enlarge and shrink the whole window, Ctrl+0 gives its normal "
        "size"},
    AccessibleText{"testMen", "View commands",
        "Loads the stars, clears and saves the two views; its title on the menu bar is blank"},
};
// clang-format on

} // namespace

const AccessibleText* accessibleTextOf(std::string_view control) {
    const auto found = std::find_if(texts.begin(), texts.end(), [control](const auto& text) {
        return text.control == control;
    });
    return found == texts.end() ? nullptr : &*found;
}

} // namespace vantor

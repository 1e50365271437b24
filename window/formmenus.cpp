// The menus and window commands: About, Exit, clearing and saving the plan view, and the
// double-click that shows or hides it.

#include "window/retroform.hpp"

#include <chrono>
#include <string>

namespace vantor {

void RetroForm::wireMenus() {
    Controls& c = m_controls;
    c.HaboutMen.setClickAction([this] { showAbout(); });
    c.fxM.setClickAction([this] { m_platform.quit(); });
    // As with the sky view: erase and forget every figure, then clear; the grid stays off.
    c.TclrPlanMen.setClickAction([this] { m_plan.clearPlanView(); });
    c.TsaveP.setClickAction([this] { saveView(m_planSurface, "plansave.bmp"); });
    c.planFrm.setDoubleClickAction([this] { toggleTopView(); });
    c.planBlock.setDoubleClickAction([this] { toggleTopView(); });
    c.planView.setDoubleClickAction([this] { toggleTopView(); });
}

void RetroForm::toggleTopView() {
    CheckBox& top = m_controls.topChk;
    top.setValue(top.value() == 1 ? 0 : 1);
}

void RetroForm::showAbout() {
    const auto year = static_cast<int>(std::chrono::year_month_day{
        std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())}
                                           .year());
    const std::string text = "Version " + m_state.verStr + "\r\n" + m_state.verDate + "\r\n" +
                             std::to_string(year) + " the Vantor authors\r\n" +
                             "A free teaching model of planetary motion";
    if (m_platform.about) {
        m_platform.about("Vantor", text, "Free software under the MIT licence.");
        return;
    }
    message(Platform::Icon::Information, "Vantor", text);
}

} // namespace vantor

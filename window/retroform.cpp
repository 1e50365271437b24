// The form as the owner: it wires every job's actions, starts up and shows messages. Each job
// has its own file: the clock (formclock), the world models (formmodels), the full redraw
// (formredraw), the display panel (formpanel), the sky view's commands (formsky), the menus
// (formmenus) and the hint line (formhints).

#include "window/retroform.hpp"

#include "core/startup.hpp"

#include <utility>

namespace vantor {

RetroForm::RetroForm(Platform platform, Raster planBackground, Raster skyBackground)
    : m_platform(withDefaults(std::move(platform))), m_planSurface(std::move(planBackground)),
      m_skySurface(std::move(skyBackground)) {
    wireClock();
    wireModels();
    wirePanel();
    wireSkyCommands();
    wireMenus();
    wireHints();
}

void RetroForm::startUp() {
    initVersion(m_state);
    m_controls.retroF.setCaption("Vantor " + m_state.verStr);
    initFlags();
    initClock();
    initBodies(m_state);
    m_plan.setPlanScale();
    m_sky.setSkyScale();
    redrawAll();
}

// The state's flags, and the boxes set to match; these equal the laid-out values, so the
// writes run no actions.
void RetroForm::initFlags() {
    vantor::initFlags(m_state);
    Controls& c = m_controls;
    c.sunChk.setValue(1);
    c.EprojChk.setValue(0);
    c.earthChk.setValue(1);
    c.interChk.setValue(0);
    c.IprojChk.setValue(0);
    c.superChk.setValue(0);
    c.SprojChk.setValue(0);
}

void RetroForm::message(Platform::Icon icon, const std::string& title, const std::string& text) {
    m_platform.message(icon, title, text);
}

} // namespace vantor

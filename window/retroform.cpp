#include "window/retroform.hpp"

#include "catalogue/starcatalogue.hpp"
#include "core/datelabel.hpp"
#include "core/positions.hpp"
#include "core/startup.hpp"
#include "surface/bitmap.hpp"

#include <array>
#include <chrono>
#include <cstdio>
#include <system_error>
#include <utility>
#include <variant>

namespace vantor {

namespace {

// A model option's world model and the caption of the plan frame under it.
struct ModelChoice {
    const char* worldModel;
    const char* caption;
};
constexpr std::array<ModelChoice, 3> kModels{
    {{"helio", "Heliocentric View"}, {"geo", "Geocentric View"}, {"tycho", "Tychonic View"}}};

} // namespace

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

void RetroForm::initClock() {
    vantor::initClock(m_state);
    m_controls.dtOpt.select(1);
    m_state.stepDays = m_state.stepTable[1];
    writeDateLabel();
}

// ----- the clock -------------------------------------------------------------------------------

void RetroForm::wireClock() {
    Controls& c = m_controls;
    c.FrunBut.setClickAction([this] {
        m_state.stopped = !m_state.stopped;
        m_state.runDir = +1.0;
        if (m_state.stopped) {
            resetImages();
        } else {
            m_controls.FrunBut.setFace(m_controls.Frun_g.face());
        }
    });
    c.BrunBut.setClickAction([this] {
        m_state.stopped = !m_state.stopped;
        m_state.runDir = -1.0;
        if (m_state.stopped) {
            m_controls.BrunBut.setFace(m_controls.Brun.face());
            m_controls.FrunBut.setFace(m_controls.Frun.face());
        } else {
            m_controls.BrunBut.setFace(m_controls.Brun_g.face());
        }
    });
    c.FstepBut.setClickAction([this] {
        m_state.stopped = true;
        resetImages();
        m_state.runDir = +1.0;
        stepClock();
    });
    c.BstepBut.setClickAction([this] {
        m_state.stopped = true;
        resetImages();
        m_state.runDir = -1.0;
        stepClock();
    });
    c.stopBut.setClickAction([this] {
        m_state.stopped = true;
        resetImages();
    });
    c.t0But.setClickAction([this] {
        m_state.simTime = m_state.t0;
        writeDateLabel();
        redrawAll();
    });
    c.t0But.setDoubleClickAction([this] {
        m_state.stopped = true;
        resetImages();
        m_state.simTime = m_state.t0;
        redrawAll();
    });
    c.dtOpt.setClickAction([this](int index) {
        m_state.stepDays = m_state.stepTable.at(static_cast<std::size_t>(index));
    });
}

void RetroForm::timerTick() {
    if (!m_state.stopped) {
        stepClock();
    }
}

void RetroForm::stepClock() {
    m_state.simTime = m_state.stepDays * m_state.runDir + m_state.simTime;
    writeDateLabel();
    redrawAll();
}

void RetroForm::resetImages() {
    m_controls.FrunBut.setFace(m_controls.Frun.face());
    m_controls.BrunBut.setFace(m_controls.Brun.face());
}

// The label always names the date of simTime: day 81 after 30 December 1899 is March 21, the
// date at t0, whether the label is written at start-up, after a step or at a reset.
void RetroForm::writeDateLabel() {
    m_controls.tLab.setCaption(dateLabel(m_state.simTime + 81));
}

std::string RetroForm::dateLabel(double dayNumber) const {
    const MonthDay date = monthDayOf(dayNumber);
    std::array<char, 4> day{};
    std::snprintf(day.data(), day.size(), "%02u", date.day % 100U);
    return m_platform.monthName(date.month) + " " + day.data();
}

// ----- the world models ------------------------------------------------------------------------

void RetroForm::wireModels() {
    m_controls.modelOpt.setClickAction([this](int index) { chooseModel(index); });
}

void RetroForm::chooseModel(int index) {
    const ModelChoice& choice = kModels.at(static_cast<std::size_t>(index));
    m_plan.clearPlanView();
    const bool geo = std::string_view(choice.worldModel) == "geo";
    m_state.planZoom = geo && m_controls.superChk.value() != 0 ? 2.5F : 1.0F;
    m_plan.setPlanScale();
    m_state.worldModel = choice.worldModel;
    m_controls.planFrm.setCaption(choice.caption);
    redrawAll();
}

// ----- the full redraw -------------------------------------------------------------------------

void RetroForm::redrawAll() {
    calcPositions(m_state);
    const Controls& c = m_controls;
    if (m_state.earthOn) {
        drawEarthBody(true);
        if (c.EprojChk.value() == 1) {
            m_plan.drawEarthSight(true);
        }
        if (c.EoChk.value() == 1) {
            m_plan.drawEarthOrbit(true);
        }
    }
    if (m_state.sunOn) {
        drawSunBody(true);
        if (c.SUNoChk.value() == 1) {
            m_plan.drawSunOrbit(true);
        }
    }
    if (m_state.interOn) {
        drawInterBody(true);
        if (c.IprojChk.value() == 1) {
            m_plan.drawInterSight(true);
        }
        if (c.IoChk.value() == 1) {
            m_plan.drawInterOrbit(true);
        }
    }
    if (m_state.superOn) {
        drawSuperBody(true);
        if (c.SprojChk.value() == 1) {
            m_plan.drawSuperSight(true);
        }
        if (c.SoChk.value() == 1) {
            m_plan.drawSuperOrbit(true);
        }
    }
}

void RetroForm::drawEarthBody(bool show) {
    m_plan.drawEarthPlan(show);
}

void RetroForm::drawSunBody(bool show) {
    m_plan.drawSunPlan(show);
    m_sky.drawSunSky(show);
}

void RetroForm::drawInterBody(bool show) {
    m_plan.drawInterPlan(show);
    m_sky.drawInterSky(show);
}

void RetroForm::drawSuperBody(bool show) {
    m_plan.drawSuperPlan(show);
    m_sky.drawSuperSky(show);
}

void RetroForm::eraseAllFigures() {
    m_sky.drawInterSky(false);
    m_sky.drawSuperSky(false);
    m_sky.drawSunSky(false);
    m_plan.drawEarthPlan(false);
    m_plan.drawInterPlan(false);
    m_plan.drawSuperPlan(false);
    m_plan.drawSunPlan(false);
    // Sight lines and orbits erase only what they remember; calling them with the box off
    // changes nothing, so no box needs testing here.
    m_plan.drawEarthSight(false);
    m_plan.drawInterSight(false);
    m_plan.drawSuperSight(false);
    m_plan.drawEarthOrbit(false);
    m_plan.drawSunOrbit(false);
    m_plan.drawInterOrbit(false);
    m_plan.drawSuperOrbit(false);
}

// ----- the display panel -----------------------------------------------------------------------

void RetroForm::wirePanel() {
    Controls& c = m_controls;
    m_bodyRows = {{
        {&c.sunChk,
         &SimState::sunOn,
         &PlanView::drawSunPlan,
         &SkyView::drawSunSky,
         {&c.EprojChk, &c.SUNoChk, &c.SUNtrailChk},
         false},
        {&c.interChk,
         &SimState::interOn,
         &PlanView::drawInterPlan,
         &SkyView::drawInterSky,
         {&c.IprojChk, &c.IoChk, &c.ItrailChk},
         false},
        {&c.earthChk,
         &SimState::earthOn,
         &PlanView::drawEarthPlan,
         nullptr,
         {&c.EprojChk, &c.EoChk, nullptr},
         false},
        {&c.superChk,
         &SimState::superOn,
         &PlanView::drawSuperPlan,
         &SkyView::drawSuperSky,
         {&c.SprojChk, &c.SoChk, &c.StrailChk},
         true},
    }};
    for (std::size_t row = 0; row < m_bodyRows.size(); ++row) {
        m_bodyRows.at(row).box->setClickAction([this, row] { bodyBoxClicked(row); });
    }

    // Orbit and line-of-sight boxes: off erases that one figure, on brings everything up to date.
    const std::array<std::pair<CheckBox*, void (PlanView::*)(bool)>, 7> figures{{
        {&c.SUNoChk, &PlanView::drawSunOrbit},
        {&c.IoChk, &PlanView::drawInterOrbit},
        {&c.EoChk, &PlanView::drawEarthOrbit},
        {&c.SoChk, &PlanView::drawSuperOrbit},
        {&c.IprojChk, &PlanView::drawInterSight},
        {&c.EprojChk, &PlanView::drawEarthSight},
        {&c.SprojChk, &PlanView::drawSuperSight},
    }};
    for (const auto& [box, routine] : figures) {
        box->setClickAction([this, box = box, routine = routine] {
            if (box->value() == 0) {
                (m_plan.*routine)(false);
            } else {
                redrawAll();
            }
        });
    }

    for (CheckBox* disk : {&c.SUNdiskChk, &c.IdiskChk, &c.EdiskChk, &c.SdiskChk}) {
        disk->setClickAction([this] { redrawAll(); });
    }

    // A trail box turned on takes effect from the next step; turned off, it wipes every trail.
    for (CheckBox* trail : {&c.SUNtrailChk, &c.ItrailChk, &c.StrailChk}) {
        trail->setClickAction([this, trail] {
            if (trail->value() == 0) {
                trailBoxOff();
            }
        });
    }

    c.topChk.setClickAction([this] {
        const bool on = m_controls.topChk.value() != 0;
        m_controls.planBlock.setVisible(!on);
        m_controls.planView.setVisible(on);
    });
    c.topGridChk.setClickAction([this] {
        m_plan.clearPlanView();
        m_plan.setPlanScale();
        redrawAll();
    });
}

void RetroForm::bodyBoxClicked(std::size_t row) {
    const BodyRow& body = m_bodyRows.at(row);
    const bool geo = m_state.worldModel == "geo";
    if (body.box->value() == 0) {
        m_state.*body.flag = false;
        (m_plan.*body.plan)(false);
        if (body.sky != nullptr) {
            (m_sky.*body.sky)(false);
        }
        for (CheckBox* dependent : body.dependents) {
            if (dependent != nullptr && dependent->value() == 1) {
                dependent->setValue(0);
            }
        }
        if (body.zoomsGeo && geo) {
            geoZoom(1.0F);
        }
        return;
    }
    if (body.zoomsGeo && geo) {
        geoZoom(2.5F);
    }
    m_state.*body.flag = true;
    redrawAll();
}

void RetroForm::geoZoom(float zoom) {
    m_plan.clearPlanView();
    m_state.planZoom = zoom;
    m_plan.setPlanScale();
}

void RetroForm::trailBoxOff() {
    m_sky.clearSkyView();
    if (m_controls.skyGridChk.value() != 0) {
        m_sky.drawSkyGrid();
    }
    m_plan.clearPlanView();
    if (m_controls.topGridChk.value() != 0) {
        m_plan.drawPlanGrid();
    }
}

// ----- the sky view's commands -----------------------------------------------------------------

void RetroForm::wireSkyCommands() {
    Controls& c = m_controls;
    c.skyChk.setClickAction(
        [this] { m_controls.mercator.setVisible(m_controls.skyChk.value() == 1); });
    c.skyGridChk.setClickAction([this] { m_sky.drawSkyGrid(); });
    c.mercator.setDoubleClickAction([this] { toggleSkyView(); });
    c.Frame2.setDoubleClickAction([this] { toggleSkyView(); });
    // Clearing erases and forgets every marker before the surface is cleared, so the next
    // redraw does not leave a stray copy of each marker behind.
    c.TclrMercMen.setClickAction([this] { m_sky.clearSkyView(); });
    c.TsaveMerc.setClickAction([this] { saveView(m_skySurface, "mersave.bmp"); });
    c.TloadEcMen.setClickAction([this] { loadAndPlotStars(true); });
    c.TloadEqMen.setClickAction([this] { loadAndPlotStars(false); });
}

void RetroForm::toggleSkyView() {
    CheckBox& sky = m_controls.skyChk;
    sky.setValue(sky.value() == 1 ? 0 : 1);
}

void RetroForm::loadAndPlotStars(bool ecliptic) {
    std::filesystem::path path = "vantor.csv";
    std::error_code error;
    // A name that is there but cannot be opened (a dangling link, a link loop) gets the reader's
    // message rather than the shipped catalogue in its place.
    const bool here = std::filesystem::exists(std::filesystem::symlink_status(path, error));
    if (!here && !m_shippedCatalogue.empty() &&
        std::filesystem::exists(m_shippedCatalogue, error)) {
        path = m_shippedCatalogue;
    }
    const auto loaded = loadStarFile(path, m_state.stars);
    if (const auto* failure = std::get_if<CatalogueError>(&loaded)) {
        message(Platform::Icon::Warning, "Vantor", failure->message);
        return;
    }
    const auto& report = std::get<CatalogueReport>(loaded);
    m_state.starCount = report.starCount;
    if (ecliptic) {
        m_sky.plotStarsEcliptic();
    } else {
        m_sky.plotStarsEquator();
    }
    if (const std::string note = describe(report, path.filename().string()); !note.empty()) {
        message(Platform::Icon::Warning, "Vantor", note);
    }
}

// The current drawing becomes the view's background only once the file is safely written, so
// a failed save changes nothing but the message it shows.
void RetroForm::saveView(Surface& surface, const char* fileName) {
    if (const auto failure = m_platform.writeFile(fileName, encodeBitmap(surface.Image()))) {
        message(Platform::Icon::Warning, "Vantor", *failure);
        return;
    }
    surface.keepImageAsPicture();
}

// ----- menus and window commands ---------------------------------------------------------------

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

void RetroForm::message(Platform::Icon icon, const std::string& title, const std::string& text) {
    m_platform.message(icon, title, text);
}

// ----- the hint line ---------------------------------------------------------------------------

void RetroForm::wireHints() {
    Controls& c = m_controls;
    const auto hint = [this](Control& control, const char* text) {
        control.setMouseMoveAction([this, text] { showTip(text); });
    };
    hint(c.FrunBut, "Run Time Forward");
    hint(c.BrunBut, "Run Time Backward");
    hint(c.FstepBut, "Step Time Forward");
    hint(c.BstepBut, "Step Time Backward");
    hint(c.stopBut, "Stop");
    hint(c.t0But, "Reset Time to T0");
    for (Control* box :
         std::initializer_list<Control*>{&c.sunChk, &c.interChk, &c.earthChk, &c.superChk}) {
        hint(*box, "Hide/Display object");
    }
    for (Control* box :
         std::initializer_list<Control*>{&c.SUNoChk, &c.IoChk, &c.EoChk, &c.SoChk, &c.Label4}) {
        hint(*box, "Display orbit");
    }
    for (Control* box :
         std::initializer_list<Control*>{&c.SUNdiskChk, &c.IdiskChk, &c.SdiskChk, &c.Label5}) {
        hint(*box, "Show Planet disk");
    }
    for (Control* box :
         std::initializer_list<Control*>{&c.SUNtrailChk, &c.ItrailChk, &c.StrailChk, &c.Label3}) {
        hint(*box, "Leave trail");
    }
    for (Control* box :
         std::initializer_list<Control*>{&c.IprojChk, &c.EprojChk, &c.SprojChk, &c.Label2}) {
        hint(*box, "Project line-of-sight");
    }
    hint(c.topChk, "Hide/Display Top View");
    hint(c.skyChk, "Hide/Display Sky View");
    hint(c.helioOpt(), "Select Heliocentric Model");
    hint(c.geoOpt(), "Select Geocentric Model");
    hint(c.tychoOpt(), "Select Tychonic Model");
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

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

// The caption of the plan frame under each world model, in the order of the model options.
constexpr std::array<const char*, kWorldModels.size()> kPlanCaptions{
    "Heliocentric View", "Geocentric View", "Tychonic View"};

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
constexpr std::array<BodyRow, 4> kBodies{{
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

[[nodiscard]] const BodyRow& rowOf(BodyId body) {
    return kBodies.at(static_cast<std::size_t>(body));
}

// The full redraw draws the bodies in this order, each body's figures together.
constexpr std::array<BodyId, 4> kRedrawOrder{BodyId::Earth, BodyId::Sun, BodyId::Inter,
                                             BodyId::Super};

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
    const auto choice = static_cast<std::size_t>(index);
    const WorldModel model = kWorldModels.at(choice);
    m_plan.clearPlanView();
    m_state.planZoom = planZoomFor(model, m_controls.superChk.value() != 0);
    m_plan.setPlanScale();
    m_state.worldModel = model;
    m_controls.planFrm.setCaption(kPlanCaptions.at(choice));
    redrawAll();
}

// ----- the full redraw -------------------------------------------------------------------------

void RetroForm::redrawAll() {
    calcPositions(m_state);
    for (const BodyId id : kRedrawOrder) {
        const BodyRow& body = rowOf(id);
        if (!(m_state.*body.flag)) {
            continue;
        }
        (m_plan.*body.plan)(true);
        if (body.sky != nullptr) {
            (m_sky.*body.sky)(true);
        }
        if (body.sight != nullptr && (m_controls.*body.sightBox).value() == 1) {
            (m_plan.*body.sight)(true);
        }
        if ((m_controls.*body.orbitBox).value() == 1) {
            (m_plan.*body.orbit)(true);
        }
    }
}

// Every erase routine removes only what its figure remembers, so the order does not matter and
// no box needs testing.
void RetroForm::eraseAllFigures() {
    for (const BodyRow& body : kBodies) {
        if (body.sky != nullptr) {
            (m_sky.*body.sky)(false);
        }
        (m_plan.*body.plan)(false);
        if (body.sight != nullptr) {
            (m_plan.*body.sight)(false);
        }
        (m_plan.*body.orbit)(false);
    }
}

// ----- the display panel -----------------------------------------------------------------------

void RetroForm::wirePanel() {
    Controls& c = m_controls;
    for (const BodyId id : {BodyId::Sun, BodyId::Earth, BodyId::Inter, BodyId::Super}) {
        const BodyRow& body = rowOf(id);
        (c.*body.box).setClickAction([this, id] { bodyBoxClicked(id); });

        // Orbit and line-of-sight boxes: off erases that one figure, on brings everything up to
        // date.
        const auto figureBox = [this](CheckBox& box, void (PlanView::*routine)(bool)) {
            box.setClickAction([this, &box, routine] {
                if (box.value() == 0) {
                    (m_plan.*routine)(false);
                } else {
                    redrawAll();
                }
            });
        };
        figureBox(c.*body.orbitBox, body.orbit);
        if (body.sight != nullptr) {
            figureBox(c.*body.sightBox, body.sight);
        }

        (c.*body.diskBox).setClickAction([this] { redrawAll(); });

        // A trail box turned on takes effect from the next step; turned off, it wipes every trail.
        if (body.trailBox != nullptr) {
            CheckBox& trail = c.*body.trailBox;
            trail.setClickAction([this, &trail] {
                if (trail.value() == 0) {
                    trailBoxOff();
                }
            });
        }
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

void RetroForm::bodyBoxClicked(BodyId id) {
    const BodyRow& body = rowOf(id);
    const bool zooms = body.zoomsGeo && m_state.worldModel == WorldModel::Geo;
    if ((m_controls.*body.box).value() == 0) {
        m_state.*body.flag = false;
        (m_plan.*body.plan)(false);
        if (body.sky != nullptr) {
            (m_sky.*body.sky)(false);
        }
        for (CheckBox Controls::*dependent : body.dependents) {
            if (dependent != nullptr && (m_controls.*dependent).value() == 1) {
                (m_controls.*dependent).setValue(0);
            }
        }
        if (zooms) {
            geoZoom(planZoomFor(m_state.worldModel, false));
        }
        return;
    }
    if (zooms) {
        geoZoom(planZoomFor(m_state.worldModel, true));
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
    for (const BodyRow& body : kBodies) {
        hint(c.*body.box, "Hide/Display object");
        hint(c.*body.orbitBox, "Display orbit");
        if (body.diskHint) {
            hint(c.*body.diskBox, "Show Planet disk");
        }
        if (body.trailBox != nullptr) {
            hint(c.*body.trailBox, "Leave trail");
        }
        if (body.sightBox != nullptr) {
            hint(c.*body.sightBox, "Project line-of-sight");
        }
    }
    // The column headings carry their column's hint.
    hint(c.Label4, "Display orbit");
    hint(c.Label5, "Show Planet disk");
    hint(c.Label3, "Leave trail");
    hint(c.Label2, "Project line-of-sight");
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

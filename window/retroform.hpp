#pragma once

#include "catalogue/starcatalogue.hpp"
#include "core/bodyid.hpp"
#include "core/simstate.hpp"
#include "planview/planview.hpp"
#include "skyview/skyview.hpp"
#include "surface/surface.hpp"
#include "window/controlboxes.hpp"
#include "window/controls.hpp"
#include "window/platform.hpp"

#include <array>
#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>

namespace vantor {

// The clock's timer fires every this many milliseconds while the program runs.
inline constexpr int tickMilliseconds = 100;

// The main window's logic without widgets: the simulation state, the two drawing surfaces and
// their views, every control with its event action, start-up and the full redraw. The form owns
// them all; each job's routines live in a file of their own (window/form*.cpp).
class RetroForm {
public:
    // The backgrounds are the month dial and the star field, decoded by the edition; each
    // surface takes its size from its background.
    RetroForm(Platform platform, Raster planBackground, Raster skyBackground);
    RetroForm(const RetroForm&) = delete;
    RetroForm& operator=(const RetroForm&) = delete;
    RetroForm(RetroForm&&) = delete;
    RetroForm& operator=(RetroForm&&) = delete;
    ~RetroForm() = default;

    // Sets the caption, flags, clock and bodies, both views' scales, and draws both views once.
    // The clock is left stopped.
    void startUp();

    // One tick of the clock's timer.
    void timerTick();

    // Where the catalogue commands look when the current folder holds no "vantor.csv". The
    // shipped catalogue is read on its first load and kept; forms may share one.
    void setShippedCatalogue(std::filesystem::path path) {
        m_shippedCatalogue = std::make_shared<KeptCatalogue>(std::move(path));
    }
    void setShippedCatalogue(std::shared_ptr<KeptCatalogue> catalogue) {
        m_shippedCatalogue = std::move(catalogue);
    }

    [[nodiscard]] Controls& controls() { return m_controls; }
    [[nodiscard]] const SimState& state() const { return m_state; }
    // Open for tests that set the time or a flag and then run a routine.
    [[nodiscard]] SimState& state() { return m_state; }
    [[nodiscard]] Surface& planSurface() { return m_planSurface; }
    [[nodiscard]] Surface& skySurface() { return m_skySurface; }
    [[nodiscard]] PlanView& planViewRoom() { return m_plan; }
    [[nodiscard]] SkyView& skyViewRoom() { return m_sky; }

    // Erases every figure of both views through its own routine, leaving the trail dots, stars
    // and grids; used by tests and checks to see that nothing stray is left on a surface.
    void eraseAllFigures();

    // The routines the actions are made of, open for tests and benchmarks.
    void stepClock();
    void redrawAll();

private:
    void wireClock();
    void wireModels();
    void wirePanel();
    void wireSkyCommands();
    void wireMenus();
    void wireHints();

    void initFlags();
    void initClock();

    void resetImages();
    [[nodiscard]] std::string dateLabel(double dayNumber) const;
    void writeDateLabel();
    void chooseModel(int index);

    void bodyBoxClicked(BodyId body);
    void trailBoxOff();
    void geoZoom(float zoom);

    void toggleSkyView();
    void toggleTopView();
    void loadAndPlotStars(bool ecliptic);
    void saveView(Surface& surface, const char* fileName);
    void showAbout();
    void showTip(const std::string& text);
    void clearTip();
    void message(Platform::Icon icon, const std::string& title, const std::string& text);

    Platform m_platform;
    SimState m_state;
    Controls m_controls;
    ControlBoxes m_boxes{m_controls};
    Surface m_planSurface;
    Surface m_skySurface;
    PlanView m_plan{m_state, m_boxes, m_planSurface};
    SkyView m_sky{m_state, m_boxes, m_skySurface};
    std::shared_ptr<KeptCatalogue> m_shippedCatalogue;
};

} // namespace vantor

// The sky view's commands: showing it, its grid, clearing, saving, loading the stars.

#include "catalogue/starcatalogue.hpp"
#include "surface/bitmap.hpp"
#include "window/retroform.hpp"

#include <filesystem>
#include <system_error>
#include <variant>

namespace vantor {

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
    const std::filesystem::path own = "vantor.csv";
    std::error_code error;
    // A name that is there but cannot be opened (a dangling link, a link loop) gets the reader's
    // message rather than the shipped catalogue in its place.
    const bool here = std::filesystem::exists(std::filesystem::symlink_status(own, error));
    const bool shipped = !here && m_shippedCatalogue && !m_shippedCatalogue->path().empty() &&
                         std::filesystem::exists(m_shippedCatalogue->path(), error);
    const std::filesystem::path& path = shipped ? m_shippedCatalogue->path() : own;
    const auto loaded =
        shipped ? m_shippedCatalogue->load(m_state.stars) : loadStarFile(own, m_state.stars);
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

} // namespace vantor

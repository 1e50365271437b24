#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace vantor {

// The three world models the user switches between. All three put every body in the same
// direction as seen from the Earth; they differ in distances and in the circles drawn.
enum class WorldModel { Helio, Geo, Tycho };

// In the order of the model option buttons.
inline constexpr std::array<WorldModel, 3> kWorldModels{WorldModel::Helio, WorldModel::Geo,
                                                        WorldModel::Tycho};

// The model's short name: "helio", "geo" or "tycho".
[[nodiscard]] std::string_view worldModelName(WorldModel model) noexcept;
// The model of that short name, compared exactly; any other text names no model.
[[nodiscard]] std::optional<WorldModel> worldModelNamed(std::string_view name) noexcept;

// The geocentric superior planet stands this many times planZoom farther from the Earth than
// its Tychonic place, which keeps its epicycle clear of the Sun's circle.
inline constexpr double kGeoSuperStretch = 1.18;

// The plan view's zoom-out factor in the geocentric model while the superior planet is shown:
// the stretched planet then reaches up to 7.375 plan units from the Earth.
inline constexpr float kGeoZoom = 2.5F;

// The plan view's zoom under a model: zoomed out only for the geocentric superior planet.
[[nodiscard]] constexpr float planZoomFor(WorldModel model, bool superiorShown) noexcept {
    return model == WorldModel::Geo && superiorShown ? kGeoZoom : 1.0F;
}

} // namespace vantor

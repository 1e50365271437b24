#include "core/worldmodel.hpp"

#include <cstddef>

namespace vantor {

namespace {

constexpr std::array<std::string_view, kWorldModels.size()> kNames{"helio", "geo", "tycho"};

} // namespace

std::string_view worldModelName(WorldModel model) noexcept {
    return kNames.at(static_cast<std::size_t>(model));
}

std::optional<WorldModel> worldModelNamed(std::string_view name) noexcept {
    for (const WorldModel model : kWorldModels) {
        if (worldModelName(model) == name) {
            return model;
        }
    }
    return std::nullopt;
}

} // namespace vantor

#include "planviewfixture.hpp"

#include <tuple>

namespace vantor {
namespace {

struct MarkerCase {
    BodyId body;
    Color color;
    Box diskBox;
    float size;
    double dotPercent;
};

// Colours, sizes and dot sizes as the program's tables give them.
constexpr std::array<MarkerCase, 4> kCases{{
    {BodyId::Earth, 0xFF0000, Box::EarthDisk, 0.12F, 1.0},
    {BodyId::Inter, 0xFF00FF, Box::InterDisk, 0.1F, 1.0},
    {BodyId::Super, 0x0000FF, Box::SuperDisk, 0.08F, 1.5},
    {BodyId::Sun, 0xFFFFFF, Box::SunDisk, 0.24F, 1.0},
}};

class MarkerTest : public PlanFormTest,
                   public testing::WithParamInterface<std::tuple<int, WorldModel, bool>> {
protected:
    [[nodiscard]] const MarkerCase& which() const {
        return kCases[static_cast<std::size_t>(std::get<0>(GetParam()))];
    }

    [[nodiscard]] const Body& bodyOf(BodyId id) const {
        const std::array<const Body*, 4> bodies{&state.sun, &state.earth, &state.inter,
                                                &state.super};
        return *bodies[static_cast<std::size_t>(id)];
    }

    // How many pixels right of the centre pixel carry the marker's colour.
    [[nodiscard]] int halfExtent(Spot centre, Color color) const {
        int n = 0;
        while (xorAt(centre + Spot(n + 1, 0)) == color) {
            ++n;
        }
        return n;
    }
};

TEST_P(MarkerTest, DiscOfTheBodysColourAtItsPixelAndSizeThenErasedToTheBackground) {
    const auto& [index, model, disk] = GetParam();
    const MarkerCase& mark = which();
    showPlanets();
    chooseModel(model);
    setBox(mark.diskBox, disk ? 1 : 0);
    view.clearPlanView();
    state.simTime = 95.0;
    calcPositions(state);

    drawPlan(mark.body, true);

    const Body& b = bodyOf(mark.body);
    const Spot centre = pixelOf(b.x, b.y);
    EXPECT_EQ(xorAt(centre), mark.color);
    const double radius = disk ? (state.planZoom + 1.0) * mark.size / 2.0
                               : 6.0 * state.planZoom * mark.dotPercent / 100.0;
    EXPECT_NEAR(halfExtent(centre, mark.color), radius * pixelsPerUnit(), 1.0);
    EXPECT_EQ(xorAt(centre + Spot(static_cast<int>(radius * pixelsPerUnit()) + 2, 0)), 0u);

    const Raster drawn = surface.Image();
    drawPlan(mark.body, true);
    EXPECT_EQ(surface.Image(), drawn) << "the old marker is erased before the same one is drawn";

    drawPlan(mark.body, false);
    EXPECT_TRUE(showsBackground());
    EXPECT_EQ(view.marker(mark.body).drawn, 0);
    drawPlan(mark.body, false);
    EXPECT_TRUE(showsBackground()) << "show false on an erased marker draws nothing";
}

INSTANTIATE_TEST_SUITE_P(BodiesModelsDisks, MarkerTest,
                         testing::Combine(testing::Range(0, 4), testing::ValuesIn(kWorldModels),
                                          testing::Bool()));

TEST_F(PlanFormTest, MarkerMovesWithTimeAndChangesSizeWithItsDiskBoxLeavingNoTrack) {
    c.superChk.setValue(1);
    for (int step = 0; step < 30; ++step) {
        state.simTime += 10.0;
        setBox(Box::SuperDisk, step % 3 == 0 ? 1 : 0);
        setBox(Box::EarthDisk, step % 2);
        form.redrawAll();
    }
    const Spot at = pixelOf(state.super.x, state.super.y);
    EXPECT_EQ(xorAt(at), 0x0000FFu);

    form.eraseAllFigures();
    EXPECT_TRUE(showsBackground());
}

} // namespace
} // namespace vantor

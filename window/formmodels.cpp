// The world models: a model option redraws the plan view under its model.

#include "core/worldmodel.hpp"
#include "window/retroform.hpp"

#include <array>
#include <cstddef>

namespace vantor {

namespace {

// The caption of the plan frame under each world model, in the order of the model options.
constexpr std::array<const char*, kWorldModels.size()> kPlanCaptions{
    "Heliocentric View", "Geocentric View", "Tychonic View"};

} // namespace

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

} // namespace vantor

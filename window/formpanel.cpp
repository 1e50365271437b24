// The display panel: the body boxes with the boxes that follow them, the figure, disk and trail
// boxes, the top view and the plan grid.

#include "core/worldmodel.hpp"
#include "window/bodytable.hpp"
#include "window/retroform.hpp"

namespace vantor {

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

} // namespace vantor

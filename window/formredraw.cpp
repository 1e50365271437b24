// The full redraw of both views, and the erase of every figure.

#include "core/positions.hpp"
#include "window/bodytable.hpp"
#include "window/retroform.hpp"

namespace vantor {

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

} // namespace vantor

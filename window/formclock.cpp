// The clock: its buttons, the step sizes, the timer's tick and the date label.

#include "core/clockstep.hpp"
#include "core/datelabel.hpp"
#include "core/startup.hpp"
#include "window/retroform.hpp"

#include <array>
#include <cstddef>
#include <cstdio>
#include <string>

namespace vantor {

void RetroForm::initClock() {
    vantor::initClock(m_state);
    m_controls.dtOpt.select(1);
    m_state.stepDays = m_state.stepTable[1];
    writeDateLabel();
}

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
    m_state.simTime = steppedTime(m_state.simTime, m_state.stepDays, m_state.runDir);
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

} // namespace vantor

#pragma once

namespace vantor {

// The pictures a picture control can carry: the clock buttons' faces (the two greyed run
// faces stand in while that direction runs), or none for the
// drawing surfaces and the plain disc.
enum class Face {
    None,
    Reset,
    StepBack,
    RunBack,
    Stop,
    RunForward,
    StepForward,
    RunBackGrey,
    RunForwardGrey
};

} // namespace vantor

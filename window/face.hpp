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

// The picture file of a face, among the window's pictures; empty for none.
[[nodiscard]] constexpr const char* faceFile(Face face) {
    switch (face) {
    case Face::Reset:
        return "reset.png";
    case Face::StepBack:
        return "stepback.png";
    case Face::RunBack:
        return "runback.png";
    case Face::Stop:
        return "stop.png";
    case Face::RunForward:
        return "runforward.png";
    case Face::StepForward:
        return "stepforward.png";
    case Face::RunBackGrey:
        return "runback_grey.png";
    case Face::RunForwardGrey:
        return "runforward_grey.png";
    case Face::None:
        break;
    }
    return "";
}

} // namespace vantor

#pragma once

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

namespace vantor {

// The main window's layout, the same for every edition.

// Where one control of the main window sits, in twips (1440 per inch). A control inside a frame
// is placed relative to the frame's top-left corner, every other one relative to the window's
// client area below the menu bar.
struct ControlPlace {
    std::string_view name;
    std::string_view container; // "window" or the name of a frame
    int left;
    int top;
    int width;
    int height;
};

inline constexpr std::string_view windowContainer = "window";

// The window's client area in twips: 501 x 456 pixels.
inline constexpr int clientWidthTwips = 7515;
inline constexpr int clientHeightTwips = 6840;

// The window is drawn for 15 twips per logical pixel; a twip count rounds to the nearest pixel.
[[nodiscard]] constexpr int twipsToPixels(int twips) {
    return (twips + 7) / 15;
}

// Every placed control of the window, containers before what they contain.
[[nodiscard]] std::span<const ControlPlace> controlPlaces();

// The place of the named control; throws std::out_of_range for a name the window does not have.
[[nodiscard]] const ControlPlace& placeOf(std::string_view name);

// The place in logical pixels, relative to its container.
struct PixelPlace {
    int left;
    int top;
    int width;
    int height;
};
[[nodiscard]] constexpr PixelPlace pixelPlace(const ControlPlace& place) {
    return {twipsToPixels(place.left), twipsToPixels(place.top), twipsToPixels(place.width),
            twipsToPixels(place.height)};
}

// The controls drawn with a single-line border of their own: the clock buttons and the sky view.
inline constexpr std::array<std::string_view, 7> borderedControls{
    "t0But", "BstepBut", "BrunBut", "stopBut", "FrunBut", "FstepBut", "mercator"};

[[nodiscard]] constexpr bool isBordered(std::string_view name) {
    return std::find(borderedControls.begin(), borderedControls.end(), name) !=
           borderedControls.end();
}

// The mark of a flat check box (a box) or option button (a ring) sits at the control's left
// edge, its top half the spare height down (rounded down, so an odd spare pixel lies below it);
// the caption begins markCaptionGap pixels right of it.
inline constexpr int checkMarkSize = 13;
inline constexpr int optionMarkSize = 12;
inline constexpr int markCaptionGap = 4;
[[nodiscard]] constexpr int markTop(int controlHeight, int markSize) {
    return controlHeight > markSize ? (controlHeight - markSize) / 2 : 0;
}

// The order in which the Tab key goes through the panels: the clock buttons and step sizes,
// then the display panel row by row.
inline constexpr std::array<std::string_view, 35> tabOrder{
    "t0But",    "BstepBut",   "BrunBut",    "stopBut",  "FrunBut",   "FstepBut",   "dtOpt(0)",
    "dtOpt(1)", "dtOpt(2)",   "dtOpt(3)",   "skyChk",   "topChk",    "helioOpt",   "geoOpt",
    "tychoOpt", "skyGridChk", "topGridChk", "sunChk",   "SUNoChk",   "SUNdiskChk", "SUNtrailChk",
    "interChk", "IprojChk",   "IoChk",      "IdiskChk", "ItrailChk", "earthChk",   "EprojChk",
    "EoChk",    "EdiskChk",   "superChk",   "SprojChk", "SoChk",     "SdiskChk",   "StrailChk"};

} // namespace vantor

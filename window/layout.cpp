#include "window/layout.hpp"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

namespace vantor {

namespace {

// clang-format off
constexpr std::array places{
    //           name           container      left   top  width height
    ControlPlace{"planFrm",     "window",      3900,    0, 3570, 3705},
    ControlPlace{"Frame4",      "window",       120,    0, 3720, 1305},
    ControlPlace{"Frame3",      "window",       120, 1380, 3720, 2355},
    ControlPlace{"Frame2",      "window",       120, 3750, 7335, 2775},
    ControlPlace{"tooltipsLab", "window",       150, 6525, 3390,  240},
    ControlPlace{"Frun",        "window",      1080,    0,  580,  360},
    ControlPlace{"Brun",        "window",      1680,    0,  580,  360},
    ControlPlace{"Brun_g",      "window",      2250,    0,  580,  360},
    ControlPlace{"Frun_g",      "window",      2850,    0,  580,  360},
    ControlPlace{"planBlock",   "planFrm",      120,  300, 3255, 3255},
    ControlPlace{"planView",    "planFrm",      120,  300, 3345, 3360},
    ControlPlace{"t0But",       "Frame4",        75,  300,  540,  380},
    ControlPlace{"BstepBut",    "Frame4",       675,  300,  615,  380},
    ControlPlace{"BrunBut",     "Frame4",      1275,  300,  615,  380},
    ControlPlace{"stopBut",     "Frame4",      1875,  300,  615,  380},
    ControlPlace{"FrunBut",     "Frame4",      2475,  300,  615,  380},
    ControlPlace{"FstepBut",    "Frame4",      3075,  300,  615,  380},
    ControlPlace{"dtOpt(0)",    "Frame4",        75,  720,  750,  315},
    ControlPlace{"dtOpt(1)",    "Frame4",       900,  720,  765,  315},
    ControlPlace{"dtOpt(2)",    "Frame4",      1725,  720,  975,  315},
    ControlPlace{"dtOpt(3)",    "Frame4",      2700,  720,  990,  315},
    ControlPlace{"tLab",        "Frame4",       375,  975, 2940,  315},
    ControlPlace{"skyChk",      "Frame3",       120,  225, 1125,  240},
    ControlPlace{"topChk",      "Frame3",      1320,  225, 1185,  240},
    ControlPlace{"skyGridChk",  "Frame3",       120,  480, 1035,  255},
    ControlPlace{"topGridChk",  "Frame3",      1320,  480,  795,  255},
    ControlPlace{"helioOpt",    "Frame3",      2550,  225, 1000,  255},
    ControlPlace{"geoOpt",      "Frame3",      2550,  450, 1000,  255},
    ControlPlace{"tychoOpt",    "Frame3",      2550,  675, 1000,  255},
    ControlPlace{"Label2",      "Frame3",      1125,  975,  540,  240},
    ControlPlace{"Label4",      "Frame3",      1650,  975,  540,  240},
    ControlPlace{"Label5",      "Frame3",      2175,  975,  540,  240},
    ControlPlace{"Label3",      "Frame3",      2775,  975,  540,  240},
    ControlPlace{"sunChk",      "Frame3",       150, 1200,  930,  210},
    ControlPlace{"SUNoChk",     "Frame3",      1800, 1200,  210,  240},
    ControlPlace{"SUNdiskChk",  "Frame3",      2325, 1200,  240,  240},
    ControlPlace{"SUNtrailChk", "Frame3",      2955, 1200,  210,  240},
    ControlPlace{"interChk",    "Frame3",       150, 1500, 1020,  240},
    ControlPlace{"IprojChk",    "Frame3",      1305, 1500,  210,  240},
    ControlPlace{"IoChk",       "Frame3",      1800, 1500,  240,  240},
    ControlPlace{"IdiskChk",    "Frame3",      2325, 1500,  240,  240},
    ControlPlace{"ItrailChk",   "Frame3",      2955, 1455,  315,  315},
    ControlPlace{"earthChk",    "Frame3",       150, 1755,  855,  315},
    ControlPlace{"EprojChk",    "Frame3",      1305, 1755,  315,  315},
    ControlPlace{"EoChk",       "Frame3",      1800, 1800,  210,  240},
    ControlPlace{"EdiskChk",    "Frame3",      2325, 1800,  240,  240},
    ControlPlace{"superChk",    "Frame3",       150, 2100, 1065,  195},
    ControlPlace{"SprojChk",    "Frame3",      1305, 2100,  210,  195},
    ControlPlace{"SoChk",       "Frame3",      1800, 2100,  210,  195},
    ControlPlace{"SdiskChk",    "Frame3",      2325, 2100,  240,  195},
    ControlPlace{"StrailChk",   "Frame3",      2955, 2100,  210,  195},
    ControlPlace{"mercator",    "Frame2",       120,  240, 7095, 2415},
};
// clang-format on

} // namespace

std::span<const ControlPlace> controlPlaces() {
    return places;
}

const ControlPlace& placeOf(std::string_view name) {
    const auto* found =
        std::find_if(places.begin(), places.end(),
                     [name](const ControlPlace& place) { return place.name == name; });
    if (found == places.end()) {
        throw std::out_of_range("no control named " + std::string(name));
    }
    return *found;
}

} // namespace vantor

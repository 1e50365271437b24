#pragma once

#include "window/checkbox.hpp"
#include "window/frame.hpp"
#include "window/label.hpp"
#include "window/menuitem.hpp"
#include "window/optiongroup.hpp"
#include "window/picturecontrol.hpp"
#include "window/windowcaption.hpp"

#include <array>

namespace vantor {

// Every control of the main window, by name, with its laid-out caption and start state. The
// window's logic gives them their actions; the widgets mirror them.
struct Controls {
    WindowCaption retroF{"retroF", "Vantor "};

    Frame planFrm{"planFrm", "Heliocentric View"};
    Frame Frame4{"Frame4", "Time Steps"};
    Frame Frame3{"Frame3", "Display"};
    Frame Frame2{"Frame2", "Ecliptic"};

    Label tooltipsLab{"tooltipsLab"};

    // Faces only: the run buttons copy their pictures; never shown themselves.
    PictureControl Frun{"Frun", Face::RunForward, false};
    PictureControl Brun{"Brun", Face::RunBack, false};
    PictureControl Brun_g{"Brun_g", Face::RunBackGrey, false};
    PictureControl Frun_g{"Frun_g", Face::RunForwardGrey, false};

    PictureControl planBlock{"planBlock", Face::None, true};
    PictureControl planView{"planView", Face::None, false};

    PictureControl t0But{"t0But", Face::Reset};
    PictureControl BstepBut{"BstepBut", Face::StepBack};
    PictureControl BrunBut{"BrunBut", Face::RunBack};
    PictureControl stopBut{"stopBut", Face::Stop};
    PictureControl FrunBut{"FrunBut", Face::RunForward};
    PictureControl FstepBut{"FstepBut", Face::StepForward};

    OptionGroup dtOpt{{{"dtOpt(0)", "1day"},
                       {"dtOpt(1)", "3day"},
                       {"dtOpt(2)", "10days"},
                       {"dtOpt(3)", "1 month"}},
                      1};
    Label tLab{"tLab", "Label1"};

    CheckBox skyChk{"skyChk", "Sky View", 1};
    CheckBox topChk{"topChk", "Top View", 0};
    CheckBox skyGridChk{"skyGridChk", "Grid", 1};
    CheckBox topGridChk{"topGridChk", "Grid", 1};

    // The world models: helioOpt, geoOpt, tychoOpt.
    OptionGroup modelOpt{{{"helioOpt", "Helio"}, {"geoOpt", "Geo"}, {"tychoOpt", "Tycho"}}, 0};
    [[nodiscard]] OptionButton& helioOpt() { return modelOpt.button(0); }
    [[nodiscard]] OptionButton& geoOpt() { return modelOpt.button(1); }
    [[nodiscard]] OptionButton& tychoOpt() { return modelOpt.button(2); }

    Label Label2{"Label2", "Proj"};
    Label Label4{"Label4", "Orbit"};
    Label Label5{"Label5", "Disk"};
    Label Label3{"Label3", "Trail"};

    CheckBox sunChk{"sunChk", "Sun", 1};
    CheckBox SUNoChk{"SUNoChk"};
    CheckBox SUNdiskChk{"SUNdiskChk"};
    CheckBox SUNtrailChk{"SUNtrailChk"};

    CheckBox interChk{"interChk", "Inferior"};
    CheckBox IprojChk{"IprojChk"};
    CheckBox IoChk{"IoChk"};
    CheckBox IdiskChk{"IdiskChk"};
    CheckBox ItrailChk{"ItrailChk"};

    CheckBox earthChk{"earthChk", "Earth", 1};
    CheckBox EprojChk{"EprojChk"};
    CheckBox EoChk{"EoChk"};
    CheckBox EdiskChk{"EdiskChk"};

    CheckBox superChk{"superChk", "Superior"};
    CheckBox SprojChk{"SprojChk"};
    CheckBox SoChk{"SoChk"};
    CheckBox SdiskChk{"SdiskChk"};
    CheckBox StrailChk{"StrailChk"};

    PictureControl mercator{"mercator", Face::None, true};

    MenuItem fileM{"fileM", "File"};
    MenuItem fMdiv{"fMdiv", "-"};
    MenuItem fxM{"fxM", "Exit"};
    MenuItem optMen{"optMen", "Options", false};
    MenuItem testMen{"testMen", ""};
    MenuItem TloadEqMen{"TloadEqMen", "Load Stars to Equator"};
    MenuItem TloadEcMen{"TloadEcMen", "Load Stars to Ecliptic"};
    MenuItem TclrPlanMen{"TclrPlanMen", "Clear Planview"};
    MenuItem TclrMercMen{"TclrMercMen", "Clear Skyview"};
    MenuItem TsaveP{"TsaveP", "Save Planview"};
    MenuItem TsaveMerc{"TsaveMerc", "Save Mercator"};
    MenuItem helpMen{"helpMen", "Help"};
    MenuItem hMdiv{"hMdiv", "-"};
    MenuItem HaboutMen{"HaboutMen", "About"};

    // The clock buttons, left to right.
    [[nodiscard]] std::array<PictureControl*, 6> clockButtons() {
        return {&t0But, &BstepBut, &BrunBut, &stopBut, &FrunBut, &FstepBut};
    }

    // Every check box, in the reading order of the window.
    [[nodiscard]] std::array<CheckBox*, 22> checkBoxes() {
        return {&skyChk,     &topChk,      &skyGridChk, &topGridChk, &sunChk,   &SUNoChk,
                &SUNdiskChk, &SUNtrailChk, &interChk,   &IprojChk,   &IoChk,    &IdiskChk,
                &ItrailChk,  &earthChk,    &EprojChk,   &EoChk,      &EdiskChk, &superChk,
                &SprojChk,   &SoChk,       &SdiskChk,   &StrailChk};
    }
};

} // namespace vantor

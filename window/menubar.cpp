#include "window/menubar.hpp"

#include <array>

namespace vantor {

namespace {

constexpr std::array<MenuItem Controls::*, 2> kFileItems{&Controls::fMdiv, &Controls::fxM};
constexpr std::array<MenuItem Controls::*, 6> kTestItems{
    &Controls::TloadEqMen,  &Controls::TloadEcMen, &Controls::TclrPlanMen,
    &Controls::TclrMercMen, &Controls::TsaveP,     &Controls::TsaveMerc};
constexpr std::array<MenuItem Controls::*, 2> kHelpItems{&Controls::hMdiv, &Controls::HaboutMen};

constexpr std::array<MenuShape, 4> kMenus{{{&Controls::fileM, kFileItems, false},
                                           {&Controls::optMen, {}, false},
                                           {&Controls::testMen, kTestItems, false},
                                           {&Controls::helpMen, kHelpItems, true}}};

} // namespace

std::span<const MenuShape> menuTable() {
    return kMenus;
}

} // namespace vantor

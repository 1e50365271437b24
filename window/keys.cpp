#include "window/keys.hpp"

#include <algorithm>
#include <array>

namespace vantor {

namespace {

using enum KeyName;
using enum StandardCommand;

constexpr Key ctrl(KeyName name) {
    return {name, true, false};
}

constexpr Key ctrlShift(KeyName name) {
    return {name, true, true};
}

constexpr std::array<ControlKey, 14> kKeys{{
    {"fxM", Quit, ctrl(Q), std::nullopt},
    {"TloadEqMen", None, ctrlShift(E), std::nullopt, true},
    {"TloadEcMen", None, ctrl(E), std::nullopt, true},
    {"TclrPlanMen", None, ctrlShift(L), std::nullopt},
    {"TclrMercMen", None, ctrl(L), std::nullopt},
    {"TsaveP", None, ctrlShift(S), std::nullopt},
    {"TsaveMerc", None, ctrl(S), std::nullopt},
    {"HaboutMen", Help, {F1}, std::nullopt},

    {"t0But", None, {Home}, std::nullopt},
    {"BstepBut", None, ctrl(Left), std::nullopt},
    {"BrunBut", None, ctrlShift(Left), std::nullopt, true},
    {"stopBut", None, {Escape}, Key{Pause}},
    {"FrunBut", None, ctrlShift(Right), std::nullopt, true},
    {"FstepBut", None, ctrl(Right), std::nullopt},
}};

} // namespace

std::span<const ControlKey> controlKeys() {
    return kKeys;
}

const ControlKey* keyOf(std::string_view control) {
    const auto* found = std::find_if(kKeys.begin(), kKeys.end(), [control](const ControlKey& key) {
        return key.control == control;
    });
    return found == kKeys.end() ? nullptr : found;
}

bool actsOncePerPress(std::string_view control) {
    const ControlKey* key = keyOf(control);
    return key != nullptr && key->oncePerPress;
}

} // namespace vantor

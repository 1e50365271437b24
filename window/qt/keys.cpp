#include "window/qt/keys.hpp"

#include <algorithm>
#include <vector>

namespace vantor {

namespace {

// The desktop's keys for a standard command, or the usual one where the desktop has none.
QList<QKeySequence> standardKeys(QKeySequence::StandardKey key, QKeyCombination usual) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    if (keys.isEmpty()) {
        keys.append(QKeySequence(usual));
    }
    return keys;
}

std::vector<ControlKey> makeKeys() {
    constexpr auto ctrl = Qt::ControlModifier;
    constexpr auto ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    return {
        {"fxM", standardKeys(QKeySequence::Quit, ctrl | Qt::Key_Q)},
        {"TloadEqMen", {QKeySequence(ctrlShift | Qt::Key_E)}},
        {"TloadEcMen", {QKeySequence(ctrl | Qt::Key_E)}},
        {"TclrPlanMen", {QKeySequence(ctrlShift | Qt::Key_L)}},
        {"TclrMercMen", {QKeySequence(ctrl | Qt::Key_L)}},
        {"TsaveP", {QKeySequence(ctrlShift | Qt::Key_S)}},
        {"TsaveMerc", {QKeySequence(ctrl | Qt::Key_S)}},
        {"HaboutMen", standardKeys(QKeySequence::HelpContents, Qt::Key_F1)},

        {"t0But", {QKeySequence(Qt::Key_Home)}},
        {"BstepBut", {QKeySequence(ctrl | Qt::Key_Left)}},
        {"BrunBut", {QKeySequence(ctrlShift | Qt::Key_Left)}},
        {"stopBut", {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::Key_Pause)}},
        {"FrunBut", {QKeySequence(ctrlShift | Qt::Key_Right)}},
        {"FstepBut", {QKeySequence(ctrl | Qt::Key_Right)}},
    };
}

} // namespace

std::span<const ControlKey> controlKeys() {
    // Made on first use: the standard keys come from the desktop, known once the application is.
    static const std::vector<ControlKey> keys = makeKeys();
    return keys;
}

QList<QKeySequence> keysOf(std::string_view control) {
    const auto all = controlKeys();
    const auto found = std::find_if(all.begin(), all.end(), [control](const ControlKey& key) {
        return key.control == control;
    });
    return found == all.end() ? QList<QKeySequence>{} : found->keys;
}

} // namespace vantor

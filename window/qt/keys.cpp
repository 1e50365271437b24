#include "window/qt/keys.hpp"

#include "window/keys.hpp"

namespace vantor {

namespace {

Qt::Key qtKey(KeyName name) {
    switch (name) {
    case KeyName::Q:
        return Qt::Key_Q;
    case KeyName::E:
        return Qt::Key_E;
    case KeyName::L:
        return Qt::Key_L;
    case KeyName::S:
        return Qt::Key_S;
    case KeyName::F1:
        return Qt::Key_F1;
    case KeyName::Home:
        return Qt::Key_Home;
    case KeyName::Left:
        return Qt::Key_Left;
    case KeyName::Right:
        return Qt::Key_Right;
    case KeyName::Escape:
        return Qt::Key_Escape;
    case KeyName::Pause:
        return Qt::Key_Pause;
    }
    return Qt::Key_unknown;
}

QKeySequence sequence(const Key& key) {
    Qt::KeyboardModifiers modifiers;
    if (key.ctrl) {
        modifiers |= Qt::ControlModifier;
    }
    if (key.shift) {
        modifiers |= Qt::ShiftModifier;
    }
    return {QKeyCombination(modifiers, qtKey(key.name))};
}

// The projector zoom is the desktop's own; Ctrl+= too, where the plus sign needs the Shift key.
QList<QKeySequence> zoomKeys(std::string_view command) {
    constexpr auto ctrl = Qt::ControlModifier;
    if (command == "zoomIn") {
        return {QKeySequence(ctrl | Qt::Key_Plus), QKeySequence(ctrl | Qt::Key_Equal)};
    }
    if (command == "zoomOut") {
        return {QKeySequence(ctrl | Qt::Key_Minus)};
    }
    if (command == "zoomNormal") {
        return {QKeySequence(ctrl | Qt::Key_0)};
    }
    return {};
}

} // namespace

QList<QKeySequence> keysOf(std::string_view control) {
    if (control.starts_with("zoom")) {
        return zoomKeys(control);
    }
    const ControlKey* found = keyOf(control);
    if (found == nullptr) {
        return {};
    }
    QList<QKeySequence> keys;
    switch (found->standard) {
    case StandardCommand::Quit:
        keys = QKeySequence::keyBindings(QKeySequence::Quit);
        break;
    case StandardCommand::Help:
        keys = QKeySequence::keyBindings(QKeySequence::HelpContents);
        break;
    case StandardCommand::None:
        break;
    }
    // The desktop's keys for a standard command, or the usual one where the desktop has none.
    if (keys.isEmpty()) {
        keys.append(sequence(found->key));
        if (found->alternative) {
            keys.append(sequence(*found->alternative));
        }
    }
    return keys;
}

} // namespace vantor

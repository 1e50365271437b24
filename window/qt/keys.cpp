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
    case KeyName::Plus:
        return Qt::Key_Plus;
    case KeyName::Equal:
        return Qt::Key_Equal;
    case KeyName::Minus:
        return Qt::Key_Minus;
    case KeyName::Zero:
        return Qt::Key_0;
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

} // namespace

QList<QKeySequence> keysOf(std::string_view control) {
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

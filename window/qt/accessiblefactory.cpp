#include "window/qt/accessiblefactory.hpp"

#include "window/qt/framebox.hpp"
#include "window/qt/menuitemaccessible.hpp"
#include "window/qt/optionaccessible.hpp"
#include "window/qt/picturebutton.hpp"
#include "window/qt/picturebuttonaccessible.hpp"
#include "window/qt/surfaceview.hpp"

#include <QAction>
#include <QRadioButton>

namespace vantor {

namespace {

// The widgets carry no meta-object of their own, so they are told apart by their C++ type. An
// option button can be asked for while its base is still being built, so every radio button is
// taken for one: the window has no other.
QAccessibleInterface* accessibleWidget(const QString& className, QObject* object) {
    if (auto* button = dynamic_cast<PictureButton*>(object)) {
        return new PictureButtonAccessible(button);
    }
    if (className == QLatin1StringView("QRadioButton")) {
        return new OptionAccessible(static_cast<QRadioButton*>(object));
    }
    if (auto* view = dynamic_cast<SurfaceView*>(object)) {
        return new QAccessibleWidget(view, QAccessible::Graphic);
    }
    if (auto* frame = dynamic_cast<FrameBox*>(object)) {
        return new QAccessibleWidget(frame, QAccessible::Grouping);
    }
    if (auto* action = qobject_cast<QAction*>(object)) {
        return MenuItemAccessible::wrap(action);
    }
    return nullptr;
}

} // namespace

void installAccessibleFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(&accessibleWidget);
        return true;
    }();
    static_cast<void>(installed);
}

} // namespace vantor

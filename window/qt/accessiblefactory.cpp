#include "window/qt/accessiblefactory.hpp"

#include "window/qt/framebox.hpp"
#include "window/qt/labelwidget.hpp"
#include "window/qt/menuitemaccessible.hpp"
#include "window/qt/optionaccessible.hpp"
#include "window/qt/picturebutton.hpp"
#include "window/qt/picturebuttonaccessible.hpp"
#include "window/qt/surfaceview.hpp"

#include <QAccessibleWidget>
#include <QAction>
#include <QRadioButton>

namespace vantor {

namespace {

// A label reads as static text named by its accessible name, or by its text when it has none.
class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(LabelWidget* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}
    [[nodiscard]] QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return static_cast<const LabelWidget*>(widget())->text();
        }
        return QAccessibleWidget::text(t);
    }
};

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
    if (auto* label = dynamic_cast<LabelWidget*>(object)) {
        return new LabelAccessible(label);
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

#include "window/qt/mainwindow.hpp"

#include "assets/pictures.hpp"
#include "window/accessibletexts.hpp"
#include "window/keys.hpp"
#include "window/layout.hpp"
#include "window/menubar.hpp"
#include "window/qt/accessiblefactory.hpp"
#include "window/qt/checkboxwidget.hpp"
#include "window/qt/framebox.hpp"
#include "window/qt/keys.hpp"
#include "window/qt/labelwidget.hpp"
#include "window/qt/menuitemaccessible.hpp"
#include "window/qt/optionwidget.hpp"
#include "window/qt/picturebutton.hpp"
#include "window/qt/pointerhold.hpp"
#include "window/qt/savefile.hpp"
#include "window/qt/surfaceview.hpp"
#include "window/qt/zoom.hpp"

#include <QApplication>
#include <QEvent>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QProxyStyle>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <utility>

namespace vantor {

namespace {

constexpr std::size_t monthsInYear = 12;
constexpr double windowFontPoints = 8.25;
constexpr double dateFontPoints = 12.0;
// The width of a blank menu title, in pixels.
constexpr int blankTitleWidth = 16;

QFont windowFont(bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(windowFontPoints);
    font.setBold(bold);
    return font;
}

// The backspace before a menu title only asks for the right-hand end of the menu bar, where the
// Help menu is put anyway. A blank title shows as an empty picture, so that the entry can still
// be clicked, and its text is the name assistive tools announce.
void showMenuTitle(QAction& action, const MenuItem& title) {
    QString text = QString::fromStdString(title.caption());
    text.remove(QChar(8));
    if (text.trimmed().isEmpty()) {
        const AccessibleText* named = accessibleTextOf(title.name());
        QPixmap blank(blankTitleWidth, blankTitleWidth);
        blank.fill(Qt::transparent);
        action.setIcon(QIcon(blank));
        text = named != nullptr ? QString::fromUtf8(named->name) : QString();
    } else {
        action.setIcon(QIcon());
    }
    action.setText(text);
    action.setEnabled(title.enabled());
}

// The menu bar's style, which puts the menus after a separator at the bar's right-hand end.
class MenuBarStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_DrawMenuBarSeparator) {
            return 1;
        }
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

// The font grown by the projector zoom.
QFont zoomed(QFont font, int zoom) {
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * zoom);
    } else {
        font.setPixelSize(font.pixelSize() * zoom);
    }
    return font;
}

// Menus use the desktop's menu font, not the window's bold one, grown with the zoom.
QFont menuFont(int zoom) {
    QFont font = QApplication::font("QMenuBar");
    // Every attribute set explicitly, so that nothing is taken over from the window's font.
    font.setFamilies(font.families().isEmpty() ? QStringList{font.family()} : font.families());
    font.setWeight(QFont::Normal);
    return zoomed(font, zoom);
}

// The desktop's window colours: the roles that hold its window background and window text (white
// and black on a standard desktop), in the roles the controls paint with, group by group.
QPalette desktopWindowColours() {
    QPalette colours = QApplication::palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Window, colours.color(group, QPalette::Base));
        colours.setColor(group, QPalette::WindowText, colours.color(group, QPalette::Text));
    }
    return colours;
}

// The window's own white ground with black text, which its hint line and pictures keep.
QPalette formColours() {
    QPalette colours = QApplication::palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, Qt::black);
    return colours;
}

void showMenuItem(QAction& action, const MenuItem& item) {
    // A separator's "-" is not shown: a separator with text would show as a section heading.
    action.setSeparator(item.isSeparator());
    action.setText(item.isSeparator() ? QString() : QString::fromStdString(item.caption()));
    action.setEnabled(item.enabled());
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), m_form(makePlatform(), monthDialRaster(), starFieldRaster()) {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    setPalette(formColours());
    setFont(windowFont(true));
    installAccessibleFactory();

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("retroF"));
    m_client->setAutoFillBackground(true);
    m_client->setFixedSize(twipsToPixels(clientWidthTwips), twipsToPixels(clientHeightTwips));
    m_client->setMouseTracking(true);
    m_client->installEventFilter(this);
    setCentralWidget(m_client);

    createControls();
    orderTabs();
    createMenus();
    createClockKeys();
    createZoomKeys();
    setZoomOf(*this, minimumZoom);
    if (const AccessibleText* text = accessibleTextOf("retroF")) {
        setAccessibleDescription(QString::fromUtf8(text->description));
    }

    auto& caption = m_form.controls().retroF;
    setWindowTitle(QString::fromStdString(caption.caption()));
    caption.onChanged(
        [this, &caption] { setWindowTitle(QString::fromStdString(caption.caption())); });

    setFixedSize(m_client->width(), m_client->height() + menuBar()->sizeHint().height());

    m_timer.setObjectName(QStringLiteral("clockTimer"));
    m_timer.setParent(this);
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(tickMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &MainWindow::tick);
    m_timer.start();
}

QWidget* MainWindow::controlWidget(std::string_view name) const {
    const auto found = m_widgets.find(name);
    return found == m_widgets.end() ? nullptr : found->second;
}

void MainWindow::centreOnScreen() {
    centreBy(frameGeometry().size());
    if (isVisible()) {
        return;
    }
    // The window manager frames the window when it maps it; its window is watched until then,
    // and for a short while only, so that a later move by the user stays where it was put.
    winId();
    windowHandle()->installEventFilter(this);
    m_centreWhenFramed = true;
    constexpr int framingMilliseconds = 3000;
    QTimer::singleShot(framingMilliseconds, this, [this] { m_centreWhenFramed = false; });
}

void MainWindow::centreBy(QSize outer) {
    const QRect screenArea = screen()->geometry();
    move(screenArea.left() + (screenArea.width() - outer.width()) / 2,
         screenArea.top() + (screenArea.height() - outer.height()) / 2);
}

void MainWindow::refreshSurfaces() {
    m_planView->refresh();
    m_mercator->refresh();
    // An action that set the clock running wakes the timer again.
    if (!m_form.state().stopped && !m_timer.isActive()) {
        m_timer.start();
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (m_centreWhenFramed && watched == windowHandle() &&
        (event->type() == QEvent::Expose || event->type() == QEvent::Move)) {
        const QMargins frame = windowHandle()->frameMargins();
        if (!frame.isNull()) {
            m_centreWhenFramed = false;
            centreBy(size().grownBy(frame));
        }
    }
    // Once the first frame is painted the window takes the pointer; the icon, no part of that
    // frame, is given then too.
    if (watched == m_client && event->type() == QEvent::Paint && !m_firstFramePainted) {
        m_firstFramePainted = true;
        QTimer::singleShot(0, this, [this] {
            if (QWindow* handle = windowHandle()) {
                acceptPointer(*handle);
            }
            setWindowIcon(appIcon());
        });
    }
    if (watched == m_client && event->type() == QEvent::MouseMove) {
        m_form.controls().retroF.mouseMove();
        refreshSurfaces();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showEvent(QShowEvent* event) {
    // The window is about to be mapped, perhaps under the pointer: the entry that the toolkit
    // answers with a round trip to the display waits until the first frame is painted.
    if (QWindow* handle = windowHandle(); handle != nullptr && !m_firstFramePainted) {
        ignorePointer(*handle);
    }
    QMainWindow::showEvent(event);
}

Platform MainWindow::makePlatform() {
    Platform platform;
    // The desktop's month names, asked once: the date label is written at every tick.
    std::array<std::string, monthsInYear> names;
    const QLocale locale = QLocale::system();
    for (std::size_t month = 1; month <= names.size(); ++month) {
        names.at(month - 1) =
            locale.standaloneMonthName(static_cast<int>(month), QLocale::LongFormat).toStdString();
    }
    platform.monthName = [names = std::move(names)](unsigned month) {
        return month >= 1 && month <= names.size() ? names.at(month - 1) : std::string();
    };
    platform.message = [this](Platform::Icon icon, const std::string& title,
                              const std::string& text) { showMessage(icon, title, text, {}); };
    platform.about = [this](const std::string& title, const std::string& text,
                            const std::string& note) {
        showMessage(Platform::Icon::Information, title, text, note);
    };
    platform.writeFile = saveFile;
    platform.quit = [this] { close(); };
    return platform;
}

void MainWindow::showMessage(Platform::Icon icon, const std::string& title, const std::string& text,
                             const std::string& note) {
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // Modal to the window, without an event loop of its own: the action that asks for a message
    // ends with it, and no event is handled inside an unfinished action.
    auto* box = new QMessageBox(icon == Platform::Icon::Warning ? QMessageBox::Warning
                                                                : QMessageBox::Information,
                                QString::fromStdString(title), shown, QMessageBox::Ok, this);
    box->setInformativeText(QString::fromStdString(note));
    // At a projector the message is read from as far as the window.
    if (zoom() > minimumZoom) {
        box->setFont(zoomed(QApplication::font("QMessageBox"), zoom()));
    }
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

template <typename Widget, typename... Args>
Widget* MainWindow::place(std::string_view name, Args&&... args) {
    const ControlPlace& where = placeOf(name);
    QWidget* container =
        where.container == windowContainer ? m_client : m_widgets.at(where.container);
    auto* widget = new Widget(
        std::forward<Args>(args)..., [this] { refreshSurfaces(); }, container);
    widget->setObjectName(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    const PixelPlace pixels = pixelPlace(where);
    widget->setGeometry(pixels.left, pixels.top, pixels.width, pixels.height);
    if (const AccessibleText* text = accessibleTextOf(name)) {
        if (!text->name.empty()) {
            widget->setAccessibleName(QString::fromUtf8(text->name));
        }
        widget->setAccessibleDescription(QString::fromUtf8(text->description));
    }
    m_widgets.emplace(where.name, widget);
    return widget;
}

void MainWindow::createControls() {
    Controls& controls = m_form.controls();

    place<FrameBox>("planFrm", controls.planFrm);
    place<FrameBox>("Frame4", controls.Frame4);
    place<FrameBox>("Frame3", controls.Frame3);
    place<FrameBox>("Frame2", controls.Frame2);

    auto* tip = place<LabelWidget>("tooltipsLab", controls.tooltipsLab);
    tip->setAutoFillBackground(true);
    tip->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    // The four run faces only lend their pictures to the run buttons: they get no widget.

    place<PictureButton>("planBlock", controls.planBlock, plainDisc(), isBordered("planBlock"));
    m_planView = place<SurfaceView>("planView", controls.planView, m_form.planSurface(),
                                    isBordered("planView"));

    for (PictureControl* button : controls.clockButtons()) {
        place<PictureButton>(button->name(), *button, QImage(), isBordered(button->name()))
            ->setPressable();
    }

    for (int index = 0; index < controls.dtOpt.size(); ++index) {
        OptionButton& option = controls.dtOpt.button(index);
        place<OptionWidget>(option.name(), option)->setFont(windowFont(false));
    }

    auto* date = place<LabelWidget>("tLab", controls.tLab);
    QFont dateFont = windowFont(true);
    dateFont.setPointSizeF(dateFontPoints);
    date->setFont(dateFont);
    date->setAlignment(Qt::AlignCenter);
    // A new date at every tick of the clock, from twelve names and thirty-one days.
    date->setDrawnInPieces(true);

    for (CheckBox* box : controls.checkBoxes()) {
        place<CheckBoxWidget>(box->name(), *box);
    }
    for (int index = 0; index < controls.modelOpt.size(); ++index) {
        OptionButton& option = controls.modelOpt.button(index);
        place<OptionWidget>(option.name(), option);
    }
    for (Label* header : {&controls.Label2, &controls.Label4, &controls.Label5, &controls.Label3}) {
        place<LabelWidget>(header->name(), *header)->setAlignment(Qt::AlignCenter);
    }

    m_mercator = place<SurfaceView>("mercator", controls.mercator, m_form.skySurface(),
                                    isBordered("mercator"));

    // Frames, boxes, options, labels and clock buttons follow the desktop, light or dark; the hint
    // line and the pictures keep the window's white and black.
    const QPalette desktop = desktopWindowColours();
    for (const auto& [name, widget] : m_widgets) {
        const bool own = name == "tooltipsLab" || name == "planView" || name == "mercator" ||
                         name == "planBlock";
        widget->setPalette(own ? formColours() : desktop);
    }

    // Labels are drawn beneath the other controls of their container, where they overlap.
    for (QWidget* label :
         {static_cast<QWidget*>(date), m_widgets.at("Label2"), m_widgets.at("Label4"),
          m_widgets.at("Label5"), m_widgets.at("Label3")}) {
        label->lower();
    }
}

QMenu* MainWindow::createMenu(const MenuShape& shape) {
    Controls& controls = m_form.controls();
    MenuItem& title = controls.*shape.title;
    auto* menu = new QMenu(this);
    menu->setObjectName(QString::fromStdString(title.name()));
    // File and Help open with a separator line above their one command; it is kept and drawn
    // with room around it, where the default would hide a leading one under the menu's edge.
    // The line's look is a style sheet, which costs the start about a millisecond a menu: it is
    // given when the menu opens, before the menu is laid out, and again when the projector zoom
    // has changed since, so that the line and its room grow with the window.
    menu->setSeparatorsCollapsible(false);
    connect(menu, &QMenu::aboutToShow, menu, [this, menu] {
        const int zoom = zoomOf(*this);
        const QString sheet =
            QStringLiteral(
                "QMenu::separator { height: %1px; background: palette(mid); margin: %2px %3px; }")
                .arg(zoom)
                .arg(3 * zoom)
                .arg(4 * zoom);
        if (menu->styleSheet() != sheet) {
            menu->setStyleSheet(sheet);
        }
    });
    QAction* titleAction = menu->menuAction();
    showMenuTitle(*titleAction, title);
    title.onChanged([titleAction, &title] { showMenuTitle(*titleAction, title); });

    for (MenuItem Controls::*entry : shape.items) {
        MenuItem* item = &(controls.*entry);
        auto* action = new QAction(menu);
        action->setObjectName(QString::fromStdString(item->name()));
        showMenuItem(*action, *item);
        action->setShortcuts(keysOf(item->name()));
        action->setAutoRepeat(!actsOncePerPress(item->name()));
        if (const AccessibleText* text = accessibleTextOf(item->name())) {
            action->setProperty(accessibleDescriptionProperty,
                                QString::fromUtf8(text->description));
        }
        item->onChanged([action, item] { showMenuItem(*action, *item); });
        connect(action, &QAction::triggered, this, [this, item] {
            item->click();
            refreshSurfaces();
        });
        menu->addAction(action);
    }
    return menu;
}

void MainWindow::createMenus() {
    QMenuBar* bar = menuBar();
    bar->setFont(menuFont(minimumZoom));

    // A menu at the right-hand end sits after a separator the bar's style does not draw.
    auto* style = new MenuBarStyle();
    style->setParent(bar);
    bar->setStyle(style);
    bool separated = false;
    for (const MenuShape& shape : menuTable()) {
        if (shape.right && !separated) {
            bar->addSeparator();
            separated = true;
        }
        bar->addMenu(createMenu(shape));
    }
}

// Keys of the clock buttons for the whole window; each clicks its button as the mouse does. No
// key gives the reset button's double-click: Escape then Home stops the clock and resets it.
void MainWindow::createClockKeys() {
    Controls& controls = m_form.controls();
    for (PictureControl* button : controls.clockButtons()) {
        auto* action = new QAction(this);
        action->setObjectName(QString::fromStdString(button->name() + "Key"));
        action->setShortcuts(keysOf(button->name()));
        action->setShortcutContext(Qt::WindowShortcut);
        action->setAutoRepeat(!actsOncePerPress(button->name()));
        connect(action, &QAction::triggered, this, [this, button] {
            button->click();
            refreshSurfaces();
        });
        addAction(action);
    }
}

void MainWindow::orderTabs() {
    for (std::size_t index = 1; index < tabOrder.size(); ++index) {
        QWidget::setTabOrder(m_widgets.at(tabOrder[index - 1]), m_widgets.at(tabOrder[index]));
    }
}

void MainWindow::createZoomKeys() {
    const std::array<std::pair<const char*, int>, 3> keys{
        {{"zoomIn", +1}, {"zoomOut", -1}, {"zoomNormal", 0}}};
    for (const auto& [name, change] : keys) {
        auto* action = new QAction(this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcuts(keysOf(name));
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this,
                [this, step = change] { setZoom(step == 0 ? minimumZoom : zoom() + step); });
        addAction(action);
    }
}

int MainWindow::zoom() const {
    return zoomOf(*this);
}

// The largest zoom at which the whole window, its frame included, fits the screen's free area.
int MainWindow::largestZoom() const {
    const QSize room = screen()->availableGeometry().size();
    const QSize frame = frameGeometry().size() - size();
    const QSize normal(twipsToPixels(clientWidthTwips),
                       twipsToPixels(clientHeightTwips) + menuBar()->sizeHint().height() / zoom());
    int largest = maximumZoom;
    while (largest > minimumZoom && (normal.width() * largest + frame.width() > room.width() ||
                                     normal.height() * largest + frame.height() > room.height())) {
        --largest;
    }
    return largest;
}

void MainWindow::setZoom(int zoom) {
    zoom = std::clamp(zoom, minimumZoom, largestZoom());
    if (zoom == this->zoom()) {
        return;
    }
    setZoomOf(*this, zoom);
    m_client->setFixedSize(twipsToPixels(clientWidthTwips) * zoom,
                           twipsToPixels(clientHeightTwips) * zoom);
    for (const auto& [name, widget] : m_widgets) {
        const PixelPlace normal = pixelPlace(placeOf(name));
        widget->setGeometry(normal.left * zoom, normal.top * zoom, normal.width * zoom,
                            normal.height * zoom);
    }
    const QFont font = menuFont(zoom);
    menuBar()->setFont(font);
    // The menus belong to the window, not the bar: each is reached through its title.
    for (QAction* title : menuBar()->actions()) {
        if (QMenu* menu = title->menu()) {
            menu->setFont(font);
        }
    }
    setFixedSize(m_client->width(), m_client->height() + menuBar()->sizeHint().height());
    centreOnScreen();
}

void MainWindow::tick() {
    m_form.timerTick();
    // A stopped clock leaves the program asleep until an action runs it again.
    if (m_form.state().stopped) {
        m_timer.stop();
    }
    refreshSurfaces();
}

} // namespace vantor

#pragma once

#include "window/menubar.hpp"
#include "window/retroform.hpp"

#include <QMainWindow>
#include <QTimer>
#include <map>
#include <string_view>

class QMenu;

namespace vantor {

class MenuItem;
class SurfaceView;

// The main window: one widget per control of the form's model, placed as the layout table says,
// kept in step with the model, and passing the user's events to it. It decides nothing itself.
class MainWindow : public QMainWindow {
public:
    explicit MainWindow(QWidget* parent = nullptr);

    [[nodiscard]] RetroForm& form() { return m_form; }

    // The widget of the named control, or nullptr; menus are found by their object names.
    [[nodiscard]] QWidget* controlWidget(std::string_view name) const;

    // Puts the window in the middle of its screen by its outer size, title bar and borders
    // included. Called before the window is shown, when a window manager has not framed it yet,
    // it centres it again by the real frame as soon as the window manager has put one around it.
    void centreOnScreen();

    // Repaints each drawing surface that changed; runs after every action and timer tick.
    void refreshSurfaces();

    // The projector zoom: the whole window at a whole multiple of its size, as far as the
    // screen has room for, between 1 and 4.
    [[nodiscard]] int zoom() const;
    void setZoom(int zoom);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    [[nodiscard]] Platform makePlatform();
    // A modal box over the window with one OK button; a note, when there is one, below the text.
    void showMessage(Platform::Icon icon, const std::string& title, const std::string& text,
                     const std::string& note);
    void createControls();
    void createMenus();
    void createClockKeys();
    void createZoomKeys();
    [[nodiscard]] int largestZoom() const;
    void orderTabs();
    QMenu* createMenu(const MenuShape& shape);
    template <typename Widget, typename... Args>
    Widget* place(std::string_view name, Args&&... args);
    void tick();
    void centreBy(QSize outer);

    bool m_centreWhenFramed = false;
    bool m_firstFramePainted = false;

    RetroForm m_form;
    QWidget* m_client = nullptr;
    std::map<std::string_view, QWidget*> m_widgets;
    SurfaceView* m_planView = nullptr;
    SurfaceView* m_mercator = nullptr;
    QTimer m_timer;
};

} // namespace vantor

#pragma once

#include "assets/pictures.hpp"
#include "window/qt/labelwidget.hpp"
#include "window/qt/mainwindow.hpp"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <string>

namespace vantor {

// A started main window, shown on the offscreen screen.
class WindowTest : public ::testing::Test {
protected:
    WindowTest() {
        window.show();
        window.form().startUp();
        static_cast<void>(QTest::qWaitForWindowExposed(&window));
    }

    [[nodiscard]] QWidget* widget(const std::string& name) const {
        QWidget* found = window.controlWidget(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    [[nodiscard]] QAbstractButton* button(const std::string& name) const {
        return qobject_cast<QAbstractButton*>(widget(name));
    }
    [[nodiscard]] QString labelText(const std::string& name) const {
        return dynamic_cast<LabelWidget*>(widget(name))->text();
    }
    [[nodiscard]] Controls& controls() { return window.form().controls(); }

    // Saves both views through their menu commands into a fresh folder: the bitmaps have the
    // surfaces' sizes, whatever the screen's ratio or the window's zoom.
    void expectSavesKeepTheSurfacesSizes() {
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        const QString before = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(folder.path()));
        window.findChild<QAction*>("TsaveP")->trigger();
        window.findChild<QAction*>("TsaveMerc")->trigger();
        QDir::setCurrent(before);
        EXPECT_EQ(QImage(folder.filePath("plansave.bmp")).size(), QSize(223, 224));
        EXPECT_EQ(QImage(folder.filePath("mersave.bmp")).size(), QSize(471, 159));
    }

    MainWindow window;
};

} // namespace vantor

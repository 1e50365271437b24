#pragma once

#include "assets/pictures.hpp"
#include "window/qt/mainwindow.hpp"

#include <QAbstractButton>
#include <QLabel>
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
        return qobject_cast<QLabel*>(widget(name))->text();
    }
    [[nodiscard]] Controls& controls() { return window.form().controls(); }

    MainWindow window;
};

} // namespace vantor

// Vantor's entry point: the main window over the form's logic.
#include "assets/pictures.hpp"
#include "window/qt/mainwindow.hpp"
#include "window/qt/sessionbus.hpp"

#include <QApplication>
#include <QDBusConnection>
#include <QDir>
#include <QFileInfo>
#include <QThread>
#include <algorithm>
#include <csignal>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fontconfig/fontconfig.h>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace {

// The catalogue shipped with the program: beside it, else where it was installed.
QString shippedCatalogue() {
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath("vantor.csv");
#ifdef VANTOR_INSTALLED_CATALOGUE
    if (!QFileInfo::exists(beside) &&
        QFileInfo::exists(QStringLiteral(VANTOR_INSTALLED_CATALOGUE))) {
        return QStringLiteral(VANTOR_INSTALLED_CATALOGUE);
    }
#endif
    return beside;
}

// Whether a local X display (":N" or ":N.S") answers on its socket.
bool localDisplayAnswers(const std::string& display) {
    const std::string number = display.substr(1, display.find('.') - 1);
    const std::string path = "/tmp/.X11-unix/X" + number;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return true; // cannot tell: let the toolkit try
    }
    bool answers = false;
    // The server listens both in the abstract namespace and on the file.
    for (const bool abstract : {true, false}) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::size_t offset = abstract ? 1 : 0;
        std::memcpy(address.sun_path + offset, path.c_str(),
                    std::min(path.size(), sizeof address.sun_path - 1 - offset));
        const auto length =
            static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path.size());
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0) {
            answers = true;
            break;
        }
    }
    ::close(fd);
    return answers;
}

// Why no window could be shown, or empty when a display seems to be there. The toolkit itself
// would abort with advice to reinstall, which does not help.
std::string missingDisplay() {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    if (set("QT_QPA_PLATFORM") || set("WAYLAND_DISPLAY")) {
        return {};
    }
    if (!set("DISPLAY")) {
        return "DISPLAY is not set";
    }
    const std::string display = std::getenv("DISPLAY");
    if (display.starts_with(':') && !localDisplayAnswers(display)) {
        return "nothing answers on DISPLAY " + display;
    }
    return {};
}

// Whether the toolkit will reach assistive tools over the session bus: on a desktop, not on the
// offscreen or minimal platforms the tests use.
bool usesSessionBus() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    return platform.isEmpty() || platform.startsWith("xcb") || platform.startsWith("wayland");
}

} // namespace

int main(int argc, char* argv[]) {
    if (const std::string why = missingDisplay(); !why.empty()) {
        std::fprintf(stderr, "Vantor needs a graphical desktop: no display found (%s).\n",
                     why.c_str());
        return 1;
    }
    // A save beyond the file size limit must fail with a message, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    // The toolkit takes the first thread that uses it for the main one: this one, before the
    // threads below use it.
    static_cast<void>(QThread::currentThread());
    // Without a bus address in the environment, the bus library runs the desktop's bus helper
    // program to learn it, a new process that competes with the start for the processor. When
    // the helper has already started a bus on this display, its address is read here, before
    // any other thread reads the environment.
    if (usesSessionBus() && qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        if (const std::string address = vantor::sessionBusOnDisplay(); !address.empty()) {
            setenv("DBUS_SESSION_BUS_ADDRESS", address.c_str(), 1);
        }
    }
    // The window's first control makes the toolkit reach assistive tools over the session bus;
    // without an address in the environment, connecting starts a helper program and waits for
    // it, tens of milliseconds. A thread connects while the application starts, and the toolkit
    // then finds the connection made.
    std::thread bus([connect = usesSessionBus()] {
        if (connect) {
            static_cast<void>(QDBusConnection::sessionBus());
        }
    });
    // While the application connects to the display, a second thread reads the font
    // configuration and decodes the pictures, work that the first text and the window need and
    // that needs no display. The toolkit finds the configuration read; the window takes the
    // pictures as they are decoded, waiting only for one not decoded yet.
    std::thread prepare([] {
        FcInit();
        vantor::decodePictures();
    });
    // The window's pixels go to the X server over the connection rather than through shared
    // memory: shared memory makes every repaint after the first wait for the server's answer
    // that it has read the picture before, a second wake-up of the program and of the
    // toolkit's reader thread at each tick of the clock. A repaint is a few small rectangles.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) {
        qputenv("QT_XCB_NO_MITSHM", "1");
    }
    // Whole device pixels per logical pixel keep the pictures sharp.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantor"));
    // No display name: the window system would append it to the caption ("Vantor 2.00 - Vantor").

    vantor::MainWindow window;
    window.form().setShippedCatalogue(shippedCatalogue().toStdString());
    window.centreOnScreen();
    window.show();
    window.form().startUp();
    const int status = QApplication::exec();
    bus.join();
    prepare.join();
    return status;
}

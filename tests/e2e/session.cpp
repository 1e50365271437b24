#include "session.hpp"

#include <QThread>
#include <atomic>
#include <gtest/gtest.h>
#include <stdexcept>
#include <unistd.h>

namespace vantor::e2e {

namespace {

// The client area of the window is 456 pixels high, below the menu bar.
constexpr int kClientHeight = 456;

// Where the menu titles and items are, in pixels from the window's top-left corner and from
// the top of an opened menu. Taken from the running program (the fonts come with the set-up).
constexpr int kMenuBarY = 10;
constexpr int kTitleX[] = {20, 65, 117};
constexpr int kItemHeight = 22;
constexpr int kItemTop = -1;

std::filesystem::path freshFolder() {
    static std::atomic<int> counter{0};
    auto folder = std::filesystem::temp_directory_path() /
                  ("vantor-e2e-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

} // namespace

QString Session::run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        throw std::runtime_error(
            ("timed out: " + program + " " + arguments.join(' ')).toStdString());
    }
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

Session::Session(bool withCatalogue, Folder folder) : m_folder(freshFolder()) {
    namespace fs = std::filesystem;
    if (withCatalogue) {
        fs::copy_file(VANTOR_DATA_DIR "/vantor.csv", m_folder / "vantor.csv");
    }
    m_program.setWorkingDirectory(QString::fromStdString(m_folder.string()));
    m_program.setProcessChannelMode(QProcess::ForwardedChannels);
    QString program = VANTOR_PROGRAM;
    QStringList arguments;
    if (folder == Folder::ReadOnly && ::geteuid() == 0) {
        // The program, and the right to use the X server, copied where "nobody" can read them.
        const fs::path copy = m_folder / "vantor";
        fs::copy_file(VANTOR_PROGRAM, copy);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        const QString authority = environment.value("XAUTHORITY");
        if (!authority.isEmpty()) {
            const fs::path readable = m_folder / "Xauthority";
            fs::copy_file(authority.toStdString(), readable);
            fs::permissions(readable,
                            fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
            environment.insert("XAUTHORITY", QString::fromStdString(readable.string()));
        }
        environment.insert("HOME", QString::fromStdString(m_folder.string()));
        m_program.setProcessEnvironment(environment);
        arguments = {"--reuid=65534", "--regid=65534", "--clear-groups",
                     QString::fromStdString(copy.string())};
        program = "setpriv";
    } else if (folder == Folder::ReadOnly) {
        fs::permissions(m_folder, fs::perms::owner_read | fs::perms::owner_exec);
    } else if (folder == Folder::UnderFileSizeLimit) {
        arguments = {"--fsize=100000", program};
        program = "prlimit";
    }
    m_program.start(program, arguments);
    if (!m_program.waitForStarted(10000)) {
        throw std::runtime_error("the program did not start");
    }
    m_window = findWindow("Vantor 2.00", 20);
    if (m_window.isEmpty()) {
        throw std::runtime_error("the program's window did not appear");
    }
    const QStringList geometry =
        run("xdotool", {"getwindowgeometry", "--shell", m_window}).split('\n');
    int x = 0;
    int y = 0;
    int height = 0;
    for (const QString& line : geometry) {
        const auto value = line.section('=', 1).toInt();
        if (line.startsWith("X=")) {
            x = value;
        } else if (line.startsWith("Y=")) {
            y = value;
        } else if (line.startsWith("HEIGHT=")) {
            height = value;
        }
    }
    m_client = QPoint(x, y + height - kClientHeight);
    settle();
}

Session::~Session() {
    if (m_program.state() != QProcess::NotRunning) {
        m_program.kill();
        m_program.waitForFinished(5000);
    }
    std::error_code ignored;
    std::filesystem::permissions(m_folder, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_folder, ignored);
}

QString Session::findWindow(const QString& title, int seconds) const {
    QProcess search;
    search.start("timeout", {QString::number(seconds), "xdotool", "search", "--sync",
                             "--onlyvisible", "--name", "^" + title + "$"});
    search.waitForFinished((seconds + 5) * 1000);
    const QStringList found =
        QString::fromUtf8(search.readAllStandardOutput()).trimmed().split('\n');
    return found.isEmpty() ? QString() : found.first();
}

void Session::settle() const {
    QThread::msleep(250);
}

void Session::clickPixel(QPoint client) {
    const QPoint screen = m_client + client;
    run("xdotool", {"mousemove", QString::number(screen.x()), QString::number(screen.y())});
    QThread::msleep(50);
    run("xdotool", {"click", "1"});
    // Longer than a double-click interval, so two clicks on one control stay two clicks.
    QThread::msleep(450);
}

void Session::clickTwips(int x, int y) {
    clickPixel(QPoint(x / 15, y / 15));
}

void Session::chooseMenu(int title, int item) {
    const QPoint bar(m_client.x() + kTitleX[title], m_client.y() - kMenuBarY);
    run("xdotool", {"mousemove", QString::number(bar.x()), QString::number(bar.y())});
    QThread::msleep(50);
    run("xdotool", {"click", "1"});
    settle();
    const QPoint entry(bar.x() + 10,
                       m_client.y() + kItemTop + kItemHeight * item + kItemHeight / 2);
    run("xdotool", {"mousemove", QString::number(entry.x()), QString::number(entry.y())});
    QThread::msleep(50);
    run("xdotool", {"click", "1"});
    settle();
}

void Session::key(const QString& name) {
    run("xdotool", {"key", "--window", m_window, name});
    settle();
}

int Session::closeAndWait() {
    run(VANTOR_XCLOSE, {m_window});
    if (!m_program.waitForFinished(10000)) {
        return -1;
    }
    return m_program.exitStatus() == QProcess::NormalExit ? m_program.exitCode() : -1;
}

QImage readBitmap(const std::filesystem::path& path) {
    return QImage(QString::fromStdString(path.string())).convertToFormat(QImage::Format_RGB32);
}

} // namespace vantor::e2e

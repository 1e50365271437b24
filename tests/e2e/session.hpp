#pragma once

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <filesystem>

namespace vantor::e2e {

// One run of the real program in a fresh folder of its own, on the X server the test runs
// under, driven only through the mouse and the keyboard as a user drives it.
class Session {
public:
    // UnderFileSizeLimit: writable, with the program run under a file size limit of 100,000
    // bytes (prlimit --fsize), below the size of a saved view.
    enum class Folder { Writable, ReadOnly, UnderFileSizeLimit };

    // Copies the shipped "vantor.csv" into the folder when withCatalogue is set. A read-only
    // folder is one the program may read but not write: when the tests run as root, who may
    // write anywhere, the program runs as the unprivileged user "nobody" in a folder of root's.
    explicit Session(bool withCatalogue = true, Folder folder = Folder::Writable);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    Session(Session&&) = delete;
    Session& operator=(Session&&) = delete;

    [[nodiscard]] const std::filesystem::path& folder() const { return m_folder; }
    [[nodiscard]] bool running() const { return m_program.state() == QProcess::Running; }

    // Left click at a point of the window's client area, in twips (15 to a pixel), as the
    // layout gives places; waits until the program has handled it.
    void clickTwips(int x, int y);
    void clickPixel(QPoint client);
    // Opens menu number title (0 File, 1 Options, 2 the view commands) and chooses an item.
    void chooseMenu(int title, int item);
    // Presses a key (xdotool key name) in the main window.
    void key(const QString& name);

    // The window of that exact title, waiting up to a few seconds for it; empty if none.
    [[nodiscard]] QString findWindow(const QString& title, int seconds = 10) const;

    // Sends the close request a window manager sends for the close box; returns the exit
    // status, or -1 if the program did not end in time.
    int closeAndWait();

    // Waits until the program's event queue has been worked through.
    void settle() const;

private:
    static QString run(const QString& program, const QStringList& arguments);

    std::filesystem::path m_folder;
    QProcess m_program;
    QString m_window;
    QPoint m_client; // the client area's top-left corner on the screen
};

// A bitmap the program saved, read with Qt's own reader, in 32-bit RGB.
[[nodiscard]] QImage readBitmap(const std::filesystem::path& path);

} // namespace vantor::e2e

// The yardsticks for the whole-program figures: a minimal Qt program that shows one empty window
// of a given size. With "--tick" it also repaints two small rectangles ten times a second, the
// least a running clock can cost through the toolkit: one timer wake-up, one repaint, one write
// to the X server a tick.
// Usage: vantor_barewindow <width> <height> [--tick]
#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace {

// Two rectangles of about the size the running program repaints at each tick (a date's day and
// a planet's marker with its trail dot), filled with a shade that changes every tick so that
// every repaint sends new pixels.
class TickingWindow : public QWidget {
public:
    TickingWindow() {
        m_timer.setInterval(100);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            ++m_ticks;
            update(QRect(20, 20, 24, 16));
            update(QRect(200, 300, 16, 16));
        });
        m_timer.start();
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        const int shade = 64 + (m_ticks * 37) % 128;
        for (const QRect& rect : event->region()) {
            painter.fillRect(rect, QColor(shade, shade, 255 - shade));
        }
    }

private:
    QTimer m_timer;
    int m_ticks = 0;
};

} // namespace

int main(int argc, char* argv[]) {
    const bool ticking = argc == 4 && qstrcmp(argv[3], "--tick") == 0;
    if (ticking) {
        // The running program sends its small repaints over the socket too (see its main).
        qputenv("QT_XCB_NO_MITSHM", "1");
    }
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    // The start-up yardstick stays a plain widget: nothing else is built for it.
    const std::unique_ptr<QWidget> shown =
        ticking ? std::make_unique<TickingWindow>() : std::make_unique<QWidget>();
    QWidget& window = *shown;
    window.setWindowTitle(QStringLiteral("Bare window"));
    if (arguments.size() >= 3) {
        window.setFixedSize(arguments[1].toInt(), arguments[2].toInt());
    }
    window.show();
    return QApplication::exec();
}

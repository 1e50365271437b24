// The yardstick for start-up: a minimal Qt program that shows one empty window of a given size.
// Usage: vantor_barewindow <width> <height>
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    if (arguments.size() == 3) {
        window.setFixedSize(arguments[1].toInt(), arguments[2].toInt());
    }
    window.show();
    return QApplication::exec();
}

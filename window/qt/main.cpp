// Vantor's entry point. For now it opens a placeholder that says the window is on its way.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel placeholder(QStringLiteral("Vantor 2.00\n\nThe planetary motion window is being built.\n"
                                      "Close this window to end the program."));
    placeholder.setWindowTitle(QStringLiteral("Vantor 2.00"));
    placeholder.setAlignment(Qt::AlignCenter);
    placeholder.resize(501, 456);
    placeholder.show();
    return QApplication::exec();
}

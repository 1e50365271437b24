// Vantor's entry point: the main window over the form's logic.
#include "window/qt/mainwindow.hpp"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

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

} // namespace

int main(int argc, char* argv[]) {
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
    return QApplication::exec();
}

// Writes every picture of assets/ into the folder named on the command line.

#include "drawings.hpp"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdio>
#include <utility>

namespace {

using vantor::makeassets::Face;

[[nodiscard]] bool save(const QImage& image, const QDir& folder, const char* name) {
    const QString path = folder.filePath(QString::fromLatin1(name));
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "vantor_makeassets: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    // The application object gives the painter its fonts; run with QT_QPA_PLATFORM=offscreen.
    const QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: vantor_makeassets <output folder>\n");
        return 2;
    }
    // Without it Qt would quietly substitute another face and the dial would change.
    if (!QFontDatabase::families().contains(QStringLiteral("Liberation Sans"))) {
        std::fprintf(stderr,
                     "vantor_makeassets: font Liberation Sans (fonts-liberation) missing\n");
        return 2;
    }
    const QDir folder(args.at(1));
    if (!folder.exists()) {
        std::fprintf(stderr, "vantor_makeassets: no folder %s\n", qPrintable(args.at(1)));
        return 2;
    }

    bool ok = save(vantor::makeassets::drawMonthDial(), folder, "monthdial.png");
    ok = save(vantor::makeassets::drawPlainDisc(), folder, "plaindisc.png") && ok;
    ok = save(vantor::makeassets::drawStarField(), folder, "starfield.png") && ok;

    const std::array<std::pair<Face, const char*>, 8> faces{{
        {Face::Reset, "reset.png"},
        {Face::StepBack, "stepback.png"},
        {Face::RunBack, "runback.png"},
        {Face::Stop, "stop.png"},
        {Face::RunForward, "runforward.png"},
        {Face::StepForward, "stepforward.png"},
        {Face::RunBackGrey, "runback_grey.png"},
        {Face::RunForwardGrey, "runforward_grey.png"},
    }};
    for (const auto& [face, name] : faces) {
        ok = save(vantor::makeassets::drawButtonFace(face), folder, name) && ok;
    }

    const std::array<std::pair<int, const char*>, 5> icons{{
        {32, "icon32.png"},
        {48, "icon48.png"},
        {64, "icon64.png"},
        {128, "icon128.png"},
        {256, "icon256.png"},
    }};
    for (const auto& [size, name] : icons) {
        ok = save(vantor::makeassets::drawIcon(size), folder, name) && ok;
    }
    return ok ? 0 : 1;
}

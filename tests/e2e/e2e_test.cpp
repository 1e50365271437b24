// The real program, driven as a user drives it, checked on the bitmaps it saves. Where bodies
// should be is worked out here from the model's own formulas, not by calling the program's code.
#include "session.hpp"
#include "window/qt/sessionbus.hpp"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QThread>
#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace vantor::e2e {
namespace {

constexpr double kD = 0.017453292;
constexpr double kEarthRate = 0.985608;

// Places of the controls, twips from the client area's top-left corner: a frame's place plus
// the control's place in it, plus half the control's size.
constexpr int centre(int frame, int place, int size) {
    return frame + place + size / 2;
}
const QPoint kSuperChk(centre(120, 150, 400), centre(1380, 2100, 195));
const QPoint kStrailChk(centre(120, 2955, 210), centre(1380, 2100, 195));
const QPoint kTopChk(centre(120, 1320, 400), centre(1380, 225, 240));
const QPoint kFstepBut(centre(120, 3075, 615), centre(0, 300, 380));
const QPoint kMonthOpt(centre(120, 2700, 400), centre(0, 720, 315));

enum ViewMenu { LoadEquator, LoadEcliptic, ClearPlan, ClearSky, SavePlan, SaveSky };
constexpr int kViewMenu = 2;

QImage asset(const char* name) {
    return QImage(QString(VANTOR_SOURCE_DIR "/assets/") + name)
        .convertToFormat(QImage::Format_RGB32);
}

// One body seen in the heliocentric model at time t (days): plan place and sky place.
struct Seen {
    double planX, planY; // plan units
    double skyX, skyY;   // sky degrees
};

double norm360(double a) {
    return a - 360.0 * std::floor(a / 360.0);
}

Seen superiorAt(double t) {
    const double e = t * kEarthRate * kD;
    const double ex = std::cos(e);
    const double ey = -std::sin(e);
    const double orbit = 1.5;
    const double rate = kEarthRate / std::pow(orbit, 1.5);
    const double lon = t * rate + 30.0;
    const double lat = 1.0 * std::sin((norm360(lon) - 30.0) * kD);
    const double x = orbit * std::cos(lon * kD);
    const double y = -std::sin(lon * kD) * orbit;
    const double z = orbit * std::sin(lat * kD);
    const double dx = x - ex;
    const double dy = y - ey;
    const double r = std::hypot(dx, dy);
    double sky = std::atan2(dy, dx) / kD - 90.0; // longitude grows to the left from x = 90
    sky = norm360(sky);
    return {x, y, sky, std::atan(z / r) / kD};
}

QPoint skyPixel(double x, double y) {
    return {static_cast<int>(std::floor(x / 360.0 * 471)),
            static_cast<int>(std::floor((y + 25.0) / 50.0 * 159))};
}

QPoint planPixel(double x, double y) {
    return {static_cast<int>(std::floor((x + 3.0) / 6.0 * 223)),
            static_cast<int>(std::floor((y + 3.0) / 6.0 * 224))};
}

// Whether some pixel within one pixel of p shows the background flipped by exactly this colour
// (the exclusive-or pen over the background).
bool flippedNear(const QImage& saved, const QImage& background, QPoint p, QRgb colour) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint q = p + QPoint(dx, dy);
            if (!saved.rect().contains(q)) {
                continue;
            }
            if (((saved.pixel(q) ^ background.pixel(q)) & 0xFFFFFFU) == (colour & 0xFFFFFFU)) {
                return true;
            }
        }
    }
    return false;
}

TEST(EndToEnd, TheSuperiorPlanetLeavesItsTrailWhereTheModelPutsIt) {
    Session s;
    s.clickTwips(kSuperChk.x(), kSuperChk.y());
    s.clickTwips(kStrailChk.x(), kStrailChk.y());
    s.clickTwips(kMonthOpt.x(), kMonthOpt.y());
    constexpr int kSteps = 12;
    for (int i = 0; i < kSteps; ++i) {
        s.clickTwips(kFstepBut.x(), kFstepBut.y());
    }
    s.chooseMenu(kViewMenu, SaveSky);
    s.clickTwips(kTopChk.x(), kTopChk.y());
    s.chooseMenu(kViewMenu, SavePlan);

    const QImage sky = readBitmap(s.folder() / "mersave.bmp");
    const QImage plan = readBitmap(s.folder() / "plansave.bmp");
    ASSERT_EQ(sky.size(), QSize(471, 159));
    ASSERT_EQ(plan.size(), QSize(223, 224));
    const QImage field = asset("starfield.png");
    const QImage dial = asset("monthdial.png");
    const QRgb red = qRgb(255, 0, 0);

    // The disk now, and a dot at every earlier place that lies clear of the others.
    std::vector<QPoint> places;
    for (int i = 0; i <= kSteps; ++i) {
        const Seen seen = superiorAt(i * 365.25 / 12);
        places.push_back(skyPixel(seen.skyX, seen.skyY));
    }
    EXPECT_TRUE(flippedNear(sky, field, places.back(), red)) << "the disk";
    int checked = 0;
    for (int i = 0; i < kSteps; ++i) {
        bool clear = true;
        for (int j = 0; j <= kSteps; ++j) {
            const QPoint apart =
                places[static_cast<std::size_t>(j)] - places[static_cast<std::size_t>(i)];
            clear = clear && (j == i || apart.manhattanLength() > 8);
        }
        if (!clear) {
            continue;
        }
        ++checked;
        EXPECT_TRUE(flippedNear(sky, field, places[static_cast<std::size_t>(i)], red))
            << "trail dot " << i;
    }
    EXPECT_GE(checked, 6);

    const Seen now = superiorAt(kSteps * 365.25 / 12);
    EXPECT_TRUE(flippedNear(plan, dial, planPixel(now.planX, now.planY), red));
    const double e = kSteps * 365.25 / 12 * kEarthRate * kD;
    EXPECT_TRUE(flippedNear(plan, dial, planPixel(std::cos(e), -std::sin(e)), qRgb(0, 0, 255)));
    EXPECT_EQ(s.closeAndWait(), 0);
}

// Reads the shipped catalogue as the test's own list of (x, y, width) on the sky map.
TEST(EndToEnd, LoadingTheStarsToTheEclipticPlotsThem) {
    Session s;
    s.chooseMenu(kViewMenu, LoadEcliptic);
    s.chooseMenu(kViewMenu, SaveSky);
    const QImage sky = readBitmap(s.folder() / "mersave.bmp");
    const QImage field = asset("starfield.png");
    ASSERT_EQ(sky.size(), QSize(471, 159));
    std::ifstream csv(VANTOR_DATA_DIR "/vantor.csv");
    std::string line;
    std::getline(csv, line); // the header record is never plotted
    int bright = 0;
    int found = 0;
    while (std::getline(csv, line) && bright < 40) {
        std::stringstream fields(line);
        std::string name, ra, dec, lon, lat, mag;
        std::getline(fields, name, ',');
        std::getline(fields, ra, ',');
        std::getline(fields, dec, ',');
        std::getline(fields, lon, ',');
        std::getline(fields, lat, ',');
        std::getline(fields, mag, ',');
        const double latitude = std::stod(lat);
        if (std::abs(latitude) > 20 || std::stod(mag) > 2.0) {
            continue;
        }
        ++bright;
        double x = 450.0 - std::stod(lon);
        x = x > 360 ? x - 360 : x;
        const QPoint p = skyPixel(x, -latitude);
        found += flippedNear(sky, field, p, qRgb(255, 255, 255)) ? 1 : 0;
    }
    ASSERT_GT(bright, 5);
    // Stars close to the grid or the Sun's disk may be flipped twice; nearly all must show.
    EXPECT_GE(found, bright - 2) << found << " of " << bright;
    EXPECT_EQ(s.closeAndWait(), 0);
}

TEST(EndToEnd, AFailedSaveShowsAMessageAndTheProgramRunsOn) {
    Session s;
    // A folder where the bitmap should go cannot be replaced by a file, even by root.
    std::filesystem::create_directory(s.folder() / "mersave.bmp");
    s.chooseMenu(kViewMenu, SaveSky);
    const QString box = s.findWindow("Vantor", 10);
    ASSERT_FALSE(box.isEmpty()) << "no message box";
    // A real key press: the box has the keyboard focus.
    QProcess::execute("xdotool", {"key", "Return"});
    s.settle();
    EXPECT_TRUE(s.running());
    EXPECT_TRUE(s.findWindow("Vantor", 1).isEmpty()) << "the message box is still open";
    // The program still answers: the step button still steps and the plan can be saved.
    s.chooseMenu(kViewMenu, SavePlan);
    EXPECT_TRUE(std::filesystem::exists(s.folder() / "plansave.bmp"));
    EXPECT_EQ(s.closeAndWait(), 0);
}

TEST(EndToEnd, AReadOnlyFolderGetsAMessageNotACrash) {
    Session s(true, Session::Folder::ReadOnly);
    s.chooseMenu(kViewMenu, SavePlan);
    const QString box = s.findWindow("Vantor", 10);
    ASSERT_FALSE(box.isEmpty()) << "no message box";
    QProcess::execute("xdotool", {"key", "Return"});
    s.settle();
    EXPECT_TRUE(s.running());
    EXPECT_FALSE(std::filesystem::exists(s.folder() / "plansave.bmp"));
    // The program still answers: the stars still load from the folder it can read.
    s.chooseMenu(kViewMenu, LoadEcliptic);
    EXPECT_TRUE(s.findWindow("Vantor", 1).isEmpty()) << "a message where none was due";
    EXPECT_EQ(s.closeAndWait(), 0);
}

// Output of an X tool, or empty when it fails.
QString xOutput(const QString& program, const QStringList& arguments) {
    QProcess tool;
    tool.start(program, arguments);
    tool.waitForFinished(10000);
    return tool.exitCode() == 0 ? QString::fromUtf8(tool.readAllStandardOutput()) : QString();
}

// Under a window manager the title bar and borders are known only once the window is shown; the
// window is centred by that outer frame. The screen is 1024 x 768.
TEST(EndToEnd, UnderAWindowManagerTheFramedWindowIsCentred) {
    QProcess manager;
    manager.start("openbox", {"--sm-disable"});
    ASSERT_TRUE(manager.waitForStarted(10000));
    const auto managing = [] {
        return xOutput("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("window id");
    };
    for (int wait = 0; wait < 100 && !managing(); ++wait) {
        QThread::msleep(100);
    }
    ASSERT_TRUE(managing());
    {
        Session s(false);
        const QString window = s.findWindow("Vantor 2.00");
        // The frame's extents (left, right, top, bottom) and the client area's place on the
        // screen, until the outer frame stands in the middle or the time is up.
        QRect outer;
        for (int wait = 0; wait < 50; ++wait) {
            const QStringList extents =
                xOutput("xprop", {"-id", window, "_NET_FRAME_EXTENTS"}).section('=', 1).split(',');
            const QString info = xOutput("xwininfo", {"-id", window});
            const auto field = [&info](const char* name) {
                return info.section(QString(name) + ":", 1).section('\n', 0, 0).trimmed().toInt();
            };
            if (extents.size() == 4) {
                const int left = extents[0].trimmed().toInt();
                const int right = extents[1].trimmed().toInt();
                const int top = extents[2].trimmed().toInt();
                const int bottom = extents[3].trimmed().toInt();
                outer = QRect(field("Absolute upper-left X") - left,
                              field("Absolute upper-left Y") - top, field("Width") + left + right,
                              field("Height") + top + bottom);
                if (top > 0 && std::abs(outer.center().x() - 512) <= 1 &&
                    std::abs(outer.center().y() - 384) <= 1) {
                    break;
                }
            }
            QThread::msleep(100);
        }
        EXPECT_GT(outer.height(), 456 + 20) << "no title bar around the window";
        EXPECT_NEAR(outer.center().x(), 512, 1);
        EXPECT_NEAR(outer.center().y(), 384, 1) << "the frame's top at " << outer.top();
    }
    manager.terminate();
    manager.waitForFinished(10000);
}

// Beyond the file size limit the write fails: the usual message, the old file intact, and the
// program runs on instead of being ended by the limit's signal.
TEST(EndToEnd, AFileSizeLimitGetsTheSaveMessageNotAnEnd) {
    Session s(true, Session::Folder::UnderFileSizeLimit);
    const std::string old = "an older drawing";
    std::ofstream(s.folder() / "mersave.bmp", std::ios::binary) << old;
    s.chooseMenu(kViewMenu, SaveSky);
    ASSERT_FALSE(s.findWindow("Vantor", 10).isEmpty()) << "no message box";
    QProcess::execute("xdotool", {"key", "Return"});
    s.settle();
    EXPECT_TRUE(s.running());
    std::ifstream in(s.folder() / "mersave.bmp", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), old);
    EXPECT_EQ(s.closeAndWait(), 0);
}

TEST(EndToEnd, WithoutADisplayItSaysSoAndExits) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(name);
    }
    program.setProcessEnvironment(environment);
    program.start(VANTOR_PROGRAM, {});
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << "no abort";
    EXPECT_EQ(program.exitCode(), 1);
    EXPECT_EQ(QString::fromUtf8(program.readAllStandardError()).trimmed(),
              "Vantor needs a graphical desktop: no display found (DISPLAY is not set).");
}

// Without a bus address in its environment the program reads the session bus's address where the
// desktop's bus helper leaves it on the display: the one the helper itself gives.
TEST(EndToEnd, TheSessionBusOnTheDisplayIsTheOneTheBusHelperGives) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DBUS_SESSION_BUS_ADDRESS");
    QProcess machine;
    machine.start("dbus-uuidgen", {"--get"});
    ASSERT_TRUE(machine.waitForFinished(10000));
    // Starts a bus for the display, or finds the one started before, and prints its address.
    QProcess helper;
    helper.setProcessEnvironment(environment);
    helper.start("dbus-launch",
                 {"--autolaunch=" + QString::fromUtf8(machine.readAllStandardOutput()).trimmed(),
                  "--sh-syntax"});
    ASSERT_TRUE(helper.waitForFinished(10000));
    const QRegularExpressionMatch given =
        QRegularExpression("DBUS_SESSION_BUS_ADDRESS='([^']+)'")
            .match(QString::fromUtf8(helper.readAllStandardOutput()));
    ASSERT_TRUE(given.hasMatch());
    EXPECT_EQ(QString::fromStdString(sessionBusOnDisplay()), given.captured(1));
}

// Key mashing: every command key of the window in a random order, fast, with the clock running
// at the one-month step. The program must keep running and end normally.
TEST(EndToEnd, MashingTheKeysNeitherCrashesNorHangs) {
    Session s;
    s.clickTwips(kMonthOpt.x(), kMonthOpt.y());
    const QStringList keys = {"ctrl+Right", "ctrl+shift+Right", "Escape", "Home",
                              "ctrl+Left",  "ctrl+shift+Left",  "ctrl+l", "ctrl+shift+l",
                              "ctrl+e",     "ctrl+shift+e",     "ctrl+s", "ctrl+shift+s",
                              "Pause"};
    std::mt19937 random(15U);
    for (int burst = 0; burst < 4; ++burst) {
        QStringList arguments = {"key", "--delay", "2"};
        for (int i = 0; i < 150; ++i) {
            arguments << keys[static_cast<qsizetype>(random() % keys.size())];
        }
        QProcess::execute("xdotool", arguments);
        s.settle();
        ASSERT_TRUE(s.running()) << "burst " << burst;
    }
    EXPECT_TRUE(s.findWindow("Vantor", 1).isEmpty()) << "a message where none was due";
    // The keys reached the program: both save keys wrote their bitmaps.
    EXPECT_FALSE(readBitmap(s.folder() / "mersave.bmp").isNull());
    EXPECT_FALSE(readBitmap(s.folder() / "plansave.bmp").isNull());
    EXPECT_EQ(s.closeAndWait(), 0);
}

TEST(EndToEnd, TheCloseBoxEndsTheProgramWithStatusZero) {
    Session s(false);
    EXPECT_TRUE(s.running());
    EXPECT_EQ(s.closeAndWait(), 0);
}

} // namespace
} // namespace vantor::e2e

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

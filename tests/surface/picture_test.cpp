#include "randomfigures.hpp"
#include "surface/surface.hpp"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <sys/resource.h>

namespace vantor {
namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

TEST(SurfacePicture, TakesItsSizeAndPixelsFromTheBackground) {
    QImage background(30, 20, QImage::Format_ARGB32);
    background.fill(qRgb(10, 20, 30));
    Surface surface(background);
    EXPECT_EQ(surface.width(), 30);
    EXPECT_EQ(surface.height(), 20);
    EXPECT_EQ(surface.Image().format(), QImage::Format_RGB32);
    EXPECT_EQ(surface.Image().pixel(29, 19), qRgb(10, 20, 30));
    EXPECT_EQ(surface.mapping().scaleWidth(), 30.0F);
}

TEST(SurfacePicture, ClsReturnsToTheBackgroundOrTheKeptDrawing) {
    std::mt19937 random(3);
    Surface surface(test::noisyImage(40, 30, random));
    const QImage background = surface.Image().copy();
    surface.Line(0, 0, 39, 29, 0x0000FF);
    surface.Cls();
    EXPECT_EQ(surface.Image(), background);

    surface.Line(0, 0, 39, 29, 0x0000FF);
    const QImage drawing = surface.Image().copy();
    surface.keepImageAsPicture();
    surface.setDrawMode(DrawMode::Xor);
    surface.Circle(20, 15, 6, 0xFFFFFF);
    EXPECT_NE(surface.Image(), drawing);
    surface.Cls();
    EXPECT_EQ(surface.Image(), drawing);
    EXPECT_EQ(surface.Picture(), drawing);
}

// A view keeps copies of the image to show it; drawing and clearing must never reach into them.
TEST(SurfacePicture, CopiesOfTheImageKeepTheirPixels) {
    std::mt19937 random(8);
    Surface surface(test::noisyImage(40, 30, random));
    const QImage background = surface.Image().copy();
    surface.setDrawMode(DrawMode::Xor);
    surface.Circle(20, 15, 6, 0xFFFFFF);
    const QImage shown = surface.Image();
    const QImage drawn = shown.copy();
    surface.Cls();
    EXPECT_EQ(surface.Image(), background);
    EXPECT_EQ(shown, drawn);
    surface.Line(0, 0, 39, 29, 0x00FF00);
    EXPECT_EQ(shown, drawn);
    EXPECT_NE(surface.Image(), background);
    surface.Cls();
    surface.Cls();
    EXPECT_EQ(surface.Image(), background);
    EXPECT_EQ(surface.Picture(), background);
}

TEST(SurfacePicture, ANewPictureIsCutToTheSurfaceAndShown) {
    Surface surface(20, 10);
    QImage larger(40, 40, QImage::Format_RGB32);
    larger.fill(qRgb(1, 2, 3));
    surface.setPicture(larger);
    EXPECT_EQ(surface.Picture().size(), QSize(20, 10));
    EXPECT_EQ(surface.Image().pixel(19, 9), qRgb(1, 2, 3));

    QImage smaller(5, 5, QImage::Format_RGB32);
    smaller.fill(qRgb(1, 2, 3));
    surface.setPicture(smaller);
    EXPECT_EQ(surface.Picture().size(), QSize(20, 10));
    EXPECT_EQ(surface.Image().pixel(4, 4), qRgb(1, 2, 3));
    EXPECT_EQ(surface.Image().pixel(5, 4), qRgb(255, 255, 255));
}

TEST(SurfaceSave, ABitmapReadsBackIdentical) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::mt19937 random(11);
    Surface surface(test::noisyImage(223, 224, random));
    surface.Circle(100, 100, 30, 0x00FFFF);
    surface.keepImageAsPicture();
    const QString path = dir.filePath(QStringLiteral("plansave.bmp"));
    EXPECT_EQ(surface.savePicture(path), std::nullopt);

    const QByteArray bytes = readAll(path);
    ASSERT_GE(bytes.size(), 2);
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    QImage back(path, "BMP");
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), surface.Picture());
}

TEST(SurfaceSave, FailuresReportAndLeaveNoFileBehind) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Surface surface(16, 16);

    const QString folder = dir.filePath(QStringLiteral("plansave.bmp"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const auto intoFolder = surface.savePicture(folder);
    ASSERT_TRUE(intoFolder.has_value());
    EXPECT_TRUE(intoFolder->startsWith(QStringLiteral("Could not save ") + folder + ": "))
        << intoFolder->toStdString();
    EXPECT_TRUE(QFileInfo(folder).isDir());

    const QString missing = dir.filePath(QStringLiteral("no/such/folder/mersave.bmp"));
    EXPECT_TRUE(surface.savePicture(missing).has_value());
    EXPECT_FALSE(QFile::exists(missing));

    // Nobody, not even root, may create files in the process file system.
    EXPECT_TRUE(surface.savePicture(QStringLiteral("/proc/mersave.bmp")).has_value());
    EXPECT_FALSE(QFile::exists(QStringLiteral("/proc/mersave.bmp")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 0);
}

// A file size limit makes the write itself fail, whatever the user's rights.
TEST(SurfaceSave, AFailedWriteLeavesTheOldFileByteForByte) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("plansave.bmp"));
    const QByteArray old("an older drawing");
    ASSERT_TRUE(writeFile(path, old));

    Surface surface(223, 224);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved;
    tight.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    const auto result = surface.savePicture(path);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_TRUE(result.has_value());
    EXPECT_TRUE(result->startsWith(QStringLiteral("Could not save ") + path + ": "));
    EXPECT_EQ(readAll(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("plansave.bmp")});

    // An empty surface has no bitmap to write at all.
    EXPECT_TRUE(Surface(0, 0).savePicture(path).has_value());
    EXPECT_EQ(readAll(path), old);
}

} // namespace
} // namespace vantor

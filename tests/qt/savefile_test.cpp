// Saving a view on the desktop: the bitmap the logic encodes, read back by Qt's own reader, and
// the file written whole or not at all.
#include "assets/pictures.hpp"
#include "surface/bitmap.hpp"
#include "window/qt/savefile.hpp"

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

// Widths 1 to 4 cover every row padding; every pixel random.
TEST(SaveBitmap, QtReadsBackEveryPixel) {
    std::mt19937 random(11);
    std::uniform_int_distribution<Pixel> colour(0, 0xFFFFFF);
    for (const auto& [width, height] : {std::pair{1, 1}, {2, 3}, {3, 2}, {4, 5}, {223, 224}}) {
        Raster raster(width, height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                raster.setPixel(x, y, 0xFF000000u | colour(random));
            }
        }
        const std::vector<std::uint8_t> bytes = encodeBitmap(raster);
        QImage back;
        ASSERT_TRUE(back.loadFromData(bytes.data(), static_cast<int>(bytes.size()), "BMP"));
        EXPECT_EQ(back.format(), QImage::Format_RGB32) << "24 bits, no alpha";
        EXPECT_EQ(rasterOf(back), raster) << width << " x " << height;
    }
    EXPECT_TRUE(encodeBitmap(Raster()).empty());
}

TEST(SaveFile, FailuresReportAndLeaveNoFileBehind) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::vector<std::uint8_t> bytes = encodeBitmap(Raster(16, 16));

    const QString folder = dir.filePath(QStringLiteral("plansave.bmp"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const auto intoFolder = saveFile(folder.toStdString(), bytes);
    ASSERT_TRUE(intoFolder.has_value());
    EXPECT_EQ(intoFolder->rfind("Could not save " + folder.toStdString() + ": ", 0), 0U)
        << *intoFolder;
    EXPECT_TRUE(QFileInfo(folder).isDir());

    const QString missing = dir.filePath(QStringLiteral("no/such/folder/mersave.bmp"));
    EXPECT_TRUE(saveFile(missing.toStdString(), bytes).has_value());
    EXPECT_FALSE(QFile::exists(missing));

    // Nobody, not even root, may create files in the process file system.
    EXPECT_TRUE(saveFile("/proc/mersave.bmp", bytes).has_value());
    EXPECT_FALSE(QFile::exists(QStringLiteral("/proc/mersave.bmp")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 0);
}

// A file size limit makes the write itself fail, whatever the user's rights.
TEST(SaveFile, AFailedWriteLeavesTheOldFileByteForByte) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("plansave.bmp"));
    const QByteArray old("an older drawing");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
    }

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved;
    tight.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    const auto result = saveFile(path.toStdString(), encodeBitmap(Raster(223, 224)));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(*result, "Could not save " + path.toStdString() + ": File too large")
        << "the system's reason, not \"Unknown error\"";
    EXPECT_EQ(readAll(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("plansave.bmp")});

    // An empty surface has no bitmap to write at all.
    EXPECT_TRUE(saveFile(path.toStdString(), encodeBitmap(Raster())).has_value());
    EXPECT_EQ(readAll(path), old);
}

} // namespace
} // namespace vantor

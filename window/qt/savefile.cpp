#include "window/qt/savefile.hpp"

#include <QSaveFile>
#include <QString>
#include <cerrno>
#include <system_error>

namespace vantor {

namespace {

// Why a file operation failed. The file layer has only "Unknown error" for a failed write (a
// full disk, a file size limit): then the system's own reason, from errno, is given instead.
QString reasonOf(const QFileDevice& file, int error) {
    if (file.errorString() == QStringLiteral("Unknown error") && error != 0) {
        return QString::fromStdString(std::generic_category().message(error));
    }
    return file.errorString();
}

} // namespace

std::optional<std::string> saveFile(const std::string& fileName,
                                    std::span<const std::uint8_t> bytes) {
    const QString name = QString::fromStdString(fileName);
    auto failure = [&name](const QString& reason) {
        return std::optional<std::string>(
            QStringLiteral("Could not save %1: %2").arg(name, reason).toStdString());
    };
    if (bytes.empty()) {
        return failure(QStringLiteral("there is nothing to write"));
    }
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly)) {
        return failure(file.errorString());
    }
    const auto size = static_cast<qint64>(bytes.size());
    errno = 0;
    if (file.write(reinterpret_cast<const char*>(bytes.data()), size) != size) {
        const QString reason = reasonOf(file, errno);
        file.cancelWriting();
        return failure(reason);
    }
    errno = 0;
    if (!file.commit()) {
        return failure(reasonOf(file, errno));
    }
    return std::nullopt;
}

} // namespace vantor

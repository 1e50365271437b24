#include "window/qt/savefile.hpp"

#include <QSaveFile>
#include <QString>

namespace vantor {

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
    if (file.write(reinterpret_cast<const char*>(bytes.data()), size) != size) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failure(reason);
    }
    if (!file.commit()) {
        return failure(file.errorString());
    }
    return std::nullopt;
}

} // namespace vantor

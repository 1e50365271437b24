#include "window/platform.hpp"

#include "core/datelabel.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace vantor {

std::optional<std::string> writeFileByRename(const std::string& fileName,
                                             std::span<const std::uint8_t> bytes) {
    const auto failure = [&fileName](const std::string& reason) {
        return std::optional<std::string>("Could not save " + fileName + ": " + reason);
    };
    if (bytes.empty()) {
        return failure("there is nothing to write");
    }
    const std::string temporary = fileName + ".part-" + std::to_string(::getpid());
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) {
        return failure(std::strerror(errno));
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const int writeError = errno;
    const bool closed = std::fclose(file) == 0;
    std::error_code error;
    if (!written || !closed) {
        std::filesystem::remove(temporary, error);
        return failure(std::strerror(written ? errno : writeError));
    }
    std::filesystem::rename(temporary, fileName, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return failure(error.message());
    }
    return std::nullopt;
}

Platform withDefaults(Platform platform) {
    if (!platform.monthName) {
        platform.monthName = [](unsigned month) { return std::string(englishMonthName(month)); };
    }
    if (!platform.message) {
        platform.message = [](Platform::Icon, const std::string&, const std::string&) {};
    }
    if (!platform.writeFile) {
        platform.writeFile = writeFileByRename;
    }
    if (!platform.quit) {
        platform.quit = [] {};
    }
    return platform;
}

} // namespace vantor

#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

namespace vantor {

// What the window's logic needs from its edition: month names in the user's language, a modal
// message box, writing a file, and ending the program. Each has a plain default (see
// withDefaults) so the logic runs headless.
struct Platform {
    enum class Icon { Information, Warning };

    // The full name of month 1..12.
    std::function<std::string(unsigned month)> monthName;
    // A modal box with a title, a text of one or more lines (joined by CR LF) and one OK button.
    std::function<void(Icon icon, const std::string& title, const std::string& text)> message;
    // The About box: an information box like `message`'s, with a note set apart below the text.
    // Without it the About box goes to `message`, without the note.
    std::function<void(const std::string& title, const std::string& text, const std::string& note)>
        about;
    // Writes the bytes as the named file, whole or not at all: returns nothing on success,
    // otherwise a message saying what failed, and an existing file of that name is left as it was.
    std::function<std::optional<std::string>(const std::string& fileName,
                                             std::span<const std::uint8_t> bytes)>
        writeFile;
    std::function<void()> quit;
};

// The platform with every missing hook but `about` filled in: English month names, no message
// box, no quit, and files written beside their final name and then renamed over it.
[[nodiscard]] Platform withDefaults(Platform platform);

// Writes the file through a temporary file in the same folder that is renamed over it once
// complete; the default writeFile hook.
[[nodiscard]] std::optional<std::string> writeFileByRename(const std::string& fileName,
                                                           std::span<const std::uint8_t> bytes);

} // namespace vantor

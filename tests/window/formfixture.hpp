#pragma once

#include "assets/pictures.hpp"
#include "window/retroform.hpp"

#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace vantor {

// A started form whose message boxes and quit requests are recorded instead of shown.
class FormFixture {
public:
    struct Message {
        Platform::Icon icon;
        std::string title;
        std::string text;
    };

    FormFixture() : form(platform(), rasterOf(monthDial()), rasterOf(starField())) {
        form.startUp();
    }

    // Erases every figure and every grid; with no trail dots or stars on them, both surfaces
    // must then equal their backgrounds exactly.
    void eraseEverything() {
        form.eraseAllFigures();
        if (c().topGridChk.value() != 0) {
            form.planViewRoom().drawPlanGrid();
        }
        if (c().skyGridChk.value() != 0) {
            form.skyViewRoom().drawSkyGrid();
        }
    }

    [[nodiscard]] Controls& c() { return form.controls(); }
    [[nodiscard]] const SimState& s() const { return form.state(); }
    [[nodiscard]] Raster plan() { return form.planSurface().Image(); }
    [[nodiscard]] Raster sky() { return form.skySurface().Image(); }

    std::vector<Message> messages;
    int quits = 0;
    RetroForm form;

private:
    Platform platform() {
        Platform p;
        p.message = [this](Platform::Icon icon, const std::string& title, const std::string& text) {
            messages.push_back({icon, title, text});
        };
        p.quit = [this] { ++quits; };
        return p;
    }
};

// Runs a test in a fresh temporary folder as the current directory, and returns to the old one.
class TempCurrentDir {
public:
    TempCurrentDir();
    ~TempCurrentDir();
    TempCurrentDir(const TempCurrentDir&) = delete;
    TempCurrentDir& operator=(const TempCurrentDir&) = delete;
    TempCurrentDir(TempCurrentDir&&) = delete;
    TempCurrentDir& operator=(TempCurrentDir&&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return m_dir; }

private:
    std::filesystem::path m_old;
    std::filesystem::path m_dir;
};

inline TempCurrentDir::TempCurrentDir() : m_old(std::filesystem::current_path()) {
    static int counter = 0;
    m_dir = std::filesystem::temp_directory_path() /
            ("vantor-form-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
    std::filesystem::create_directories(m_dir);
    std::filesystem::current_path(m_dir);
}

inline TempCurrentDir::~TempCurrentDir() {
    std::error_code ignored;
    std::filesystem::current_path(m_old, ignored);
    std::filesystem::permissions(m_dir, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_dir, ignored);
}

} // namespace vantor

#pragma once

#include "surface/raster.hpp"
#include "window/keys.hpp"
#include "window/retroform.hpp"

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// The browser edition's window without the browser: the window's logic, its controls found by
// name, the controls whose state changed since the page last looked, and each surface's pixels
// in the byte order a canvas takes. The page builds its elements from layoutJson(), forwards the
// user's events by control name, and mirrors what takeChanges() reports.
// A key chord as the page names it: "ctrl+", "shift+" and the browser's code of the key's place
// on the keyboard ("ctrl+shift+ArrowLeft", "F1").
[[nodiscard]] std::string chordText(const Key& key);

class WebWindow {
public:
    // The shipped catalogue is the file the star commands read when the working folder holds no
    // "vantor.csv" of the user's.
    WebWindow(Platform platform, Raster planBackground, Raster skyBackground,
              std::string shippedCatalogue);

    // Every control with its kind, container, place in pixels, start caption and accessible
    // texts, the menus in menu-bar order, the keys, the client area's size and the clock's
    // interval, as JSON.
    [[nodiscard]] std::string layoutJson();

    // The state of each control changed since the last call (all of them on the first), as JSON.
    [[nodiscard]] std::string takeChanges();

    // The user's events; a name the window does not have does nothing.
    void click(std::string_view name);
    void doubleClick(std::string_view name);
    void mouseMove(std::string_view name);
    void tick() { m_form.timerTick(); }

    // 0 for the plan view, 1 for the sky view.
    [[nodiscard]] std::uint64_t changeCount(int surface);
    [[nodiscard]] int width(int surface);
    [[nodiscard]] int height(int surface);
    // The surface's pixels as red, green, blue and alpha bytes, row by row; the memory stays put
    // while the window lives.
    [[nodiscard]] const std::uint8_t* rgba(int surface);
    // The rectangles of the surface drawn on since the last call, their pixels brought up to date
    // in rgba(): the left column, top row, width and height of each, one rectangle after another.
    [[nodiscard]] const std::vector<int>& takeChangedRects(int surface);

    [[nodiscard]] RetroForm& form() { return m_form; }

private:
    struct Entry {
        std::function<void()> click;
        std::function<void()> doubleClick;
        Control* control{};
        std::string kind;
        std::string details; // JSON fields of how the page shows it
    };
    void index();
    void watch(const std::string& name, std::function<std::string()> state);
    [[nodiscard]] Surface& surface(int which);
    void convert(std::size_t slot, const Raster& image, const PixelRect& rect);

    RetroForm m_form;
    std::map<std::string, Entry, std::less<>> m_entries;
    std::map<std::string, std::function<std::string()>> m_states;
    std::set<std::string> m_changed;
    // Each pixel's red, green, blue and alpha bytes in one word of this machine's (little-endian)
    // order, as a canvas takes them.
    std::vector<std::uint32_t> m_rgba[2];
    std::uint64_t m_converted[2]{~std::uint64_t{0}, ~std::uint64_t{0}};
    std::vector<int> m_changedRects[2];
};

} // namespace vantor

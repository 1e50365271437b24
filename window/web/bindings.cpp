// The page's handle on the window: the browser's hooks in, the window's calls out.
#include "window/web/webwindow.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <emscripten/bind.h>
#include <emscripten/val.h>
#include <optional>
#include <string>
#include <vector>

namespace vantor {

namespace {

using emscripten::val;

// The pictures the browser decoded, as red, green, blue and alpha bytes: the page copies each
// into its buffer here in one go before it makes the window.
std::vector<std::uint8_t>& pictureBytes(int which) {
    static std::vector<std::uint8_t> buffers[2];
    return buffers[which == 0 ? 0 : 1];
}

val pictureBuffer(int which, int size) {
    std::vector<std::uint8_t>& bytes = pictureBytes(which);
    bytes.assign(static_cast<std::size_t>(std::max(size, 0)), 0);
    return val(emscripten::typed_memory_view(bytes.size(), bytes.data()));
}

Raster rasterOf(int which, int width, int height) {
    std::vector<std::uint8_t>& bytes = pictureBytes(which);
    Raster raster(width, height);
    if (width > 0 && height > 0 &&
        bytes.size() == static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4) {
        const std::uint8_t* from = bytes.data();
        for (int y = 0; y < height; ++y) {
            Pixel* row = raster.row(y);
            for (int x = 0; x < width; ++x, from += 4) {
                row[x] = 0xFF000000u | static_cast<Pixel>(from[0]) << 16 |
                         static_cast<Pixel>(from[1]) << 8 | from[2];
            }
        }
    }
    bytes = {};
    return raster;
}

// The hooks of the page: month names from the browser's own calendar, the message box as a
// dialog, a file written as a download, and quitting as the page shows it.
Platform platformOf(val hooks) {
    Platform platform;
    // Asked of the browser once: the clock writes a month's name at every tick.
    std::array<std::string, 12> months;
    for (unsigned month = 1; month <= months.size(); ++month) {
        months.at(month - 1) = hooks.call<std::string>("monthName", month);
    }
    platform.monthName = [months](unsigned month) {
        return month >= 1 && month <= months.size() ? months.at(month - 1) : std::string();
    };
    platform.message = [hooks](Platform::Icon icon, const std::string& title,
                               const std::string& text) {
        hooks.call<void>("message",
                         icon == Platform::Icon::Warning ? std::string("warning")
                                                         : std::string("information"),
                         title, text);
    };
    platform.writeFile =
        [hooks](const std::string& fileName,
                std::span<const std::uint8_t> bytes) -> std::optional<std::string> {
        const val failure = hooks.call<val>(
            "writeFile", fileName, val(emscripten::typed_memory_view(bytes.size(), bytes.data())));
        if (failure.isString()) {
            return failure.as<std::string>();
        }
        return std::nullopt;
    };
    platform.about = [hooks](const std::string& title, const std::string& text,
                             const std::string& note) {
        hooks.call<void>("about", title, text, note);
    };
    platform.quit = [hooks] { hooks.call<void>("quit"); };
    return platform;
}

class PageWindow {
public:
    // The backgrounds are the pictures in buffers 0 (plan) and 1 (sky).
    PageWindow(val hooks, int planWidth, int planHeight, int skyWidth, int skyHeight,
               std::string shippedCatalogue)
        : m_window(platformOf(std::move(hooks)), rasterOf(0, planWidth, planHeight),
                   rasterOf(1, skyWidth, skyHeight), std::move(shippedCatalogue)) {}

    std::string layout() { return m_window.layoutJson(); }
    std::string takeChanges() { return m_window.takeChanges(); }
    void click(const std::string& name) { m_window.click(name); }
    void doubleClick(const std::string& name) { m_window.doubleClick(name); }
    void mouseMove(const std::string& name) { m_window.mouseMove(name); }
    void tick() { m_window.tick(); }
    int width(int surface) { return m_window.width(surface); }
    int height(int surface) { return m_window.height(surface); }
    val pixels(int surface) {
        const std::uint8_t* bytes = m_window.rgba(surface);
        const auto size = static_cast<std::size_t>(width(surface)) *
                          static_cast<std::size_t>(height(surface)) * 4;
        return val(emscripten::typed_memory_view(size, bytes));
    }
    val changedRects(int surface) {
        const std::vector<int>& rects = m_window.takeChangedRects(surface);
        return val(emscripten::typed_memory_view(rects.size(), rects.data()));
    }

private:
    WebWindow m_window;
};

} // namespace

} // namespace vantor

EMSCRIPTEN_BINDINGS(vantor) {
    using vantor::PageWindow;
    emscripten::function("pictureBuffer", &vantor::pictureBuffer);
    emscripten::class_<PageWindow>("PageWindow")
        .constructor<emscripten::val, int, int, int, int, std::string>()
        .function("layout", &PageWindow::layout)
        .function("takeChanges", &PageWindow::takeChanges)
        .function("click", &PageWindow::click)
        .function("doubleClick", &PageWindow::doubleClick)
        .function("mouseMove", &PageWindow::mouseMove)
        .function("tick", &PageWindow::tick)
        .function("width", &PageWindow::width)
        .function("height", &PageWindow::height)
        .function("pixels", &PageWindow::pixels)
        .function("changedRects", &PageWindow::changedRects);
}

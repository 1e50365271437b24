// Plays a session file (see tests/web/session.txt) on the window's logic natively and writes the
// bitmaps it saves into a folder: the desktop side of the browser test's byte-for-byte
// comparison. With --ticks N it then runs the clock forward in rounds of N ticks and prints the
// time of one tick, the native side of the benchmark of the WebAssembly tick.
#include "assets/pictures.hpp"
#include "window/keys.hpp"
#include "window/web/webwindow.hpp"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The control a key chord such as "ctrl+shift+ArrowLeft" clicks, or empty.
std::string controlOfKeys(const std::string& chord) {
    for (const vantor::ControlKey& command : vantor::controlKeys()) {
        if (vantor::chordText(command.key) == chord ||
            (command.alternative && vantor::chordText(*command.alternative) == chord)) {
            return std::string(command.control);
        }
    }
    return {};
}

} // namespace

int main(int argc, char* argv[]) {
    int ticks = 0;
    if (argc == 6 && std::string(argv[1]) == "--ticks") {
        ticks = std::stoi(argv[2]);
        argv += 2;
        argc -= 2;
    }
    if (argc != 4) {
        std::fputs("usage: vantor_replay [--ticks N] SESSION CATALOGUE FOLDER\n", stderr);
        return 2;
    }
    // The catalogue by its full path; the folder becomes the working folder, which holds no
    // "vantor.csv" of its own, as the page's does not.
    const std::filesystem::path catalogue = std::filesystem::absolute(argv[2]);
    const std::filesystem::path folder = std::filesystem::absolute(argv[3]);
    const std::filesystem::path sessionFile = std::filesystem::absolute(argv[1]);
    std::filesystem::current_path(folder);
    vantor::Platform platform;
    platform.writeFile =
        [&folder](const std::string& name,
                  std::span<const std::uint8_t> bytes) -> std::optional<std::string> {
        std::ofstream out(folder / name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        return out ? std::nullopt : std::optional<std::string>("cannot write " + name);
    };
    vantor::WebWindow window(platform, vantor::rasterOf(vantor::monthDial()),
                             vantor::rasterOf(vantor::starField()), catalogue.string());
    std::ifstream session(sessionFile);
    std::string line;
    int lineNumber = 0;
    while (std::getline(session, line)) {
        ++lineNumber;
        std::istringstream words(line);
        std::string verb;
        std::string what;
        if (!(words >> verb) || verb.front() == '#') {
            continue;
        }
        words >> what;
        if (verb == "click") {
            window.click(what);
        } else if (verb == "dblclick") {
            window.doubleClick(what);
        } else if (verb == "key" && !controlOfKeys(what).empty()) {
            window.click(controlOfKeys(what));
        } else if (verb == "tick") {
            for (int i = std::stoi(what); i > 0; --i) {
                window.tick();
            }
        } else {
            std::fprintf(stderr, "%s:%d: cannot play \"%s\"\n", argv[1], lineNumber, line.c_str());
            return 1;
        }
    }
    if (ticks > 0) {
        // Warmed up, then ten rounds of the given number of ticks: the time of one tick in the
        // middle round and in the fastest, as the browser's side measures it.
        window.click("FrunBut");
        for (int i = 0; i < ticks; ++i) {
            window.tick();
        }
        std::vector<double> rounds;
        for (int round = 0; round < 10; ++round) {
            const auto start = std::chrono::steady_clock::now();
            for (int i = 0; i < ticks; ++i) {
                window.tick();
            }
            const std::chrono::duration<double, std::micro> spent =
                std::chrono::steady_clock::now() - start;
            rounds.push_back(spent.count() / ticks);
        }
        std::sort(rounds.begin(), rounds.end());
        std::printf("native tick: median %.2f us, fastest %.2f us\n", rounds[rounds.size() / 2],
                    rounds.front());
    }
    return 0;
}

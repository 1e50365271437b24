// Fuzz target for the window's logic: the bytes choose a sequence of user actions (clicks and
// double-clicks on every control, the keys' commands, step sizes, models, timer ticks running
// and stopped, Clear, Save into a folder where saving works or fails, Load Stars from fuzzed
// catalogue text, the pointer over the controls). After the sequence the date label must read as
// a month and a day, the clock must be finite, and turning every figure off through the controls
// must leave both views as their backgrounds, with no exclusive-or debris.
#include "assets/pictures.hpp"
#include "recycled_blocks.hpp"
#include "window/retroform.hpp"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <fuzzer/FuzzedDataProvider.h>
#include <memory>
#include <regex>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

void check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

// Two folders made once per process: one where saving and loading work, and one where each file
// the program writes or reads is a folder, so that every save and load fails.
struct Folders {
    fs::path good;
    fs::path bad;
    Folders() {
        const fs::path root =
            fs::temp_directory_path() / ("vantor-window-fuzz-" + std::to_string(::getpid()));
        good = root / "good";
        bad = root / "bad";
        for (const char* name : {"plansave.bmp", "mersave.bmp", "vantor.csv"}) {
            fs::create_directories(bad / name);
        }
        fs::create_directories(good);
    }
};

const Folders& folders() {
    static const Folders made;
    return made;
}

void enter(const fs::path& folder) {
    check(::chdir(folder.c_str()) == 0);
}

bool isDateLabel(const std::string& text) {
    static const std::regex label("^(January|February|March|April|May|June|July|August|"
                                  "September|October|November|December) (0[1-9]|[12][0-9]|3[01])$");
    return std::regex_match(text, label);
}

template <typename DrawGrid> bool equalUpToGrid(vantor::Surface& surface, DrawGrid drawGrid) {
    if (surface.Image() == surface.Picture()) {
        return true;
    }
    drawGrid();
    return surface.Image() == surface.Picture();
}

void runSequence(const std::uint8_t* data, std::size_t size) {
    const Folders& where = folders();
    std::error_code ignored;
    for (const char* name : {"plansave.bmp", "mersave.bmp", "vantor.csv"}) {
        fs::remove(where.good / name, ignored);
    }
    enter(where.good);
    bool inGood = true;

    bool quit = false;
    vantor::Platform platform;
    platform.message = [](vantor::Platform::Icon, const std::string&, const std::string& text) {
        check(!text.empty());
    };
    platform.quit = [&quit] { quit = true; };
    // The backgrounds are decoded once; each form shares them until it draws.
    static const vantor::Raster planBackground = vantor::rasterOf(vantor::monthDial());
    static const vantor::Raster skyBackground = vantor::rasterOf(vantor::starField());
    vantor::RetroForm form(platform, planBackground, skyBackground);
    // The shipped catalogue is read once per process, as a program reads it once per session.
    static const auto shipped =
        std::make_shared<vantor::KeptCatalogue>(VANTOR_DATA_DIR "/vantor.csv");
    form.setShippedCatalogue(shipped);
    form.startUp();
    vantor::Controls& c = form.controls();

    const auto boxes = c.checkBoxes();
    const std::array<vantor::PictureControl*, 6> clock{&c.t0But,   &c.BstepBut, &c.BrunBut,
                                                       &c.stopBut, &c.FrunBut,  &c.FstepBut};
    const std::array<std::function<void()>, 5> doubleClicked{
        [&c] { c.mercator.doubleClick(); }, [&c] { c.Frame2.doubleClick(); },
        [&c] { c.planFrm.doubleClick(); }, [&c] { c.planBlock.doubleClick(); },
        [&c] { c.planView.doubleClick(); }};
    const std::array<vantor::MenuItem*, 7> menus{&c.TloadEqMen,  &c.TloadEcMen, &c.TclrPlanMen,
                                                 &c.TclrMercMen, &c.TsaveP,     &c.TsaveMerc,
                                                 &c.HaboutMen};
    const std::array<vantor::Control*, 12> pointed{
        &c.retroF, &c.Frame3, &c.Frame4,   &c.planFrm, &c.planBlock,  &c.planView,
        &c.Frame2, &c.Label2, &c.mercator, &c.FrunBut, &c.helioOpt(), &c.dtOpt.button(0)};

    bool skySaved = false;
    bool planSaved = false;
    bool starsShown = false;
    FuzzedDataProvider in(data, size);
    for (int action = 0; action < 200 && in.remaining_bytes() > 0 && !quit; ++action) {
        switch (in.ConsumeIntegralInRange<int>(0, 12)) {
        case 0:
            boxes[in.ConsumeIntegralInRange<std::size_t>(0, boxes.size() - 1)]->click();
            break;
        case 1:
            c.dtOpt.click(in.ConsumeIntegralInRange<int>(0, c.dtOpt.size() - 1));
            break;
        case 2:
            c.modelOpt.click(in.ConsumeIntegralInRange<int>(0, c.modelOpt.size() - 1));
            break;
        case 3:
            clock[in.ConsumeIntegralInRange<std::size_t>(0, clock.size() - 1)]->click();
            break;
        case 4:
            doubleClicked[in.ConsumeIntegralInRange<std::size_t>(0, doubleClicked.size() - 1)]();
            break;
        case 5: {
            const std::size_t which = in.ConsumeIntegralInRange<std::size_t>(0, menus.size() - 1);
            starsShown = starsShown || which <= 1;
            starsShown = starsShown && which != 3;
            skySaved = skySaved || (which == 5 && inGood);
            planSaved = planSaved || (which == 4 && inGood);
            menus[which]->click();
            break;
        }
        case 6:
        case 7:
            for (int ticks = in.ConsumeIntegralInRange<int>(1, 40); ticks > 0; --ticks) {
                form.timerTick();
            }
            break;
        case 8: {
            // A catalogue of the fuzzer's text, then one of the load commands.
            std::ofstream(where.good / "vantor.csv", std::ios::binary)
                << in.ConsumeRandomLengthString(2000);
            break;
        }
        case 9:
            inGood = !inGood;
            enter(inGood ? where.good : where.bad);
            break;
        case 10:
            pointed[in.ConsumeIntegralInRange<std::size_t>(0, pointed.size() - 1)]->mouseMove();
            break;
        case 11:
            if (in.ConsumeBool()) {
                c.fxM.click();
            }
            break;
        default:
            form.redrawAll();
            break;
        }
        check(std::isfinite(form.state().simTime));
    }

    check(isDateLabel(c.tLab.caption()));
    check(std::isfinite(form.state().simTime));

    // Every figure off through the controls; the views' own check boxes stay as they are.
    for (int round = 0; round < 2; ++round) {
        for (vantor::CheckBox* box : boxes) {
            if (box != &c.skyChk && box != &c.topChk && box->value() == 1) {
                box->click();
            }
        }
    }
    // Clear leaves a view's grid off while its box stays checked, so the box then draws it: the
    // grid may be on or off, but nothing else may be left.
    if (!skySaved && !starsShown) {
        check(equalUpToGrid(form.skySurface(), [&] { form.skyViewRoom().drawSkyGrid(); }));
    }
    if (!planSaved) {
        check(equalUpToGrid(form.planSurface(), [&] { form.planViewRoom().drawPlanGrid(); }));
    }
}

} // namespace

// Freed memory waits in the sanitizer's quarantine before it is reused, so that a use after
// free is caught. Nothing outlives a run here, so 16 MB (many runs' worth) catches the same
// faults as the default 256 MB without the page faults of cycling through fresh memory.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=16";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    runSequence(data, size);
    vantor::fuzz::endSequence();
    return 0;
}

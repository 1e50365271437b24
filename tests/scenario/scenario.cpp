// A scripted session of the window's logic that ends by saving both views: several steps in each
// world model with every figure on, the clock run both ways, and stars on the sky view. Writes
// "mersave.bmp" and "plansave.bmp" into the folder named by its one argument.
#include "assets/pictures.hpp"
#include "window/retroform.hpp"

#include <cstdio>
#include <filesystem>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: vantor_scenario FOLDER\n", stderr);
        return 2;
    }
    std::filesystem::current_path(argv[1]);
    int failures = 0;
    vantor::Platform platform;
    platform.message = [&failures](vantor::Platform::Icon /*icon*/, const std::string& /*title*/,
                                   const std::string& text) {
        std::fprintf(stderr, "%s\n", text.c_str());
        ++failures;
    };
    vantor::RetroForm form(platform, vantor::rasterOf(vantor::monthDial()),
                           vantor::rasterOf(vantor::starField()));
    form.setShippedCatalogue(VANTOR_CATALOGUE);
    form.startUp();
    vantor::Controls& c = form.controls();

    for (vantor::CheckBox* box : c.checkBoxes()) {
        if (box->value() == 0) {
            box->click();
        }
    }
    c.TloadEcMen.click();
    for (int model = 0; model < c.modelOpt.size(); ++model) {
        c.modelOpt.button(model).click();
        c.dtOpt.button(model % c.dtOpt.size()).click();
        for (int step = 0; step < 5; ++step) {
            c.FstepBut.click();
        }
        c.BstepBut.click();
        c.FrunBut.click();
        for (int tick = 0; tick < 4; ++tick) {
            form.timerTick();
        }
        c.BrunBut.click();
        c.BrunBut.click();
        for (int tick = 0; tick < 3; ++tick) {
            form.timerTick();
        }
        c.stopBut.click();
    }
    c.TloadEqMen.click();
    c.dtOpt.button(3).click();
    c.geoOpt().click();
    for (int step = 0; step < 8; ++step) {
        c.FstepBut.click();
    }
    c.TsaveMerc.click();
    c.TsaveP.click();
    return failures == 0 ? 0 : 1;
}

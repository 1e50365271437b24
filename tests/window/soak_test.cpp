// A long run of the running clock with everything shown: a million ticks at the one-month step,
// forward and back, switching models as it goes. Nothing may crash, grow or drift.
#include "formfixture.hpp"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iostream>
#include <regex>

namespace vantor {
namespace {

// Resident memory of this process in KiB.
long residentKiB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Turns every trail off (which wipes the trails and clears both views), erases every figure,
// and checks both surfaces against the bare backgrounds with their grids; then turns the trails
// back on. The next tick draws everything again.
void checkNothingStray(FormFixture& f, const Raster& bareSky, long tick) {
    Controls& c = f.c();
    const bool zoomed = f.s().planZoom != 1.0F;
    for (CheckBox* trail : {&c.SUNtrailChk, &c.ItrailChk, &c.StrailChk}) {
        trail->click();
    }
    f.form.eraseAllFigures();
    EXPECT_EQ(f.sky(), bareSky) << "tick " << tick;
    // The plan carries only its grid: drawing the grid once more must give the background.
    f.form.planViewRoom().drawPlanGrid();
    EXPECT_EQ(f.plan(), f.form.planSurface().Picture()) << "tick " << tick << " zoomed " << zoomed;
    f.form.planViewRoom().drawPlanGrid();
    for (CheckBox* trail : {&c.SUNtrailChk, &c.ItrailChk, &c.StrailChk}) {
        trail->click();
    }
}

TEST(Soak, AMillionMonthlyTicksWithEverythingShown) {
    FormFixture bare;
    bare.form.eraseAllFigures();
    const Raster bareSky = bare.sky();

    FormFixture f;
    Controls& c = f.c();
    for (CheckBox* box : c.checkBoxes()) {
        if (box->value() == 0) {
            box->click();
        }
    }
    c.dtOpt.click(3);
    c.FrunBut.click();

    const std::regex label("^[A-Z][a-z]+ (0[1-9]|[12][0-9]|3[01])$");
    // VANTOR_SOAK_TICKS shortens the run while working on it; the suite runs the full million.
    const char* ticks = std::getenv("VANTOR_SOAK_TICKS");
    const long kTicks = ticks != nullptr ? std::max(100'000L, std::atol(ticks)) : 1'000'000L;
    constexpr long kModelEvery = 4'000;
    constexpr long kCheckEvery = 50'000;
    long startKiB = 0;
    for (long tick = 1; tick <= kTicks; ++tick) {
        if (tick == kTicks / 2 + 1) {
            c.BrunBut.click(); // stops the forward run
            c.BrunBut.click(); // and runs back
        }
        f.form.timerTick();
        if (tick % kModelEvery == 0) {
            c.modelOpt.click(static_cast<int>((tick / kModelEvery) % 3));
        }
        if (tick == 10'000) {
            startKiB = residentKiB();
        }
        if (tick % kCheckEvery == 0) {
            ASSERT_TRUE(std::regex_match(c.tLab.caption(), label))
                << "tick " << tick << ": " << c.tLab.caption();
            checkNothingStray(f, bareSky, tick);
        }
    }
    const long endKiB = residentKiB();
    std::cout << "resident memory after 10000 ticks " << startKiB << " KiB, at the end " << endKiB
              << " KiB\n";
    ::testing::Test::RecordProperty("resident_start_kib", static_cast<int>(startKiB));
    ::testing::Test::RecordProperty("resident_end_kib", static_cast<int>(endKiB));
    EXPECT_LT(endKiB - startKiB, 4096) << "resident memory grew";

    // The one-month step is exact in binary, so the way back ends exactly at the start.
    EXPECT_EQ(f.s().simTime, 0.0);
    EXPECT_EQ(c.tLab.caption(), "March 21");
}

} // namespace
} // namespace vantor

// Every printout stops at the call that fails: nothing after it is drawn and
// the job is never ended, so the window shows its message and no page is
// printed.

#include "print/chainsheet.h"
#include "print/gearsheet.h"
#include "print/racelogsheet.h"
#include "print/sheets.h"

#include "calc/error.h"

#include <gtest/gtest.h>

#include <functional>

using namespace trovanta;
using namespace trovanta::print;
using namespace trovanta::test;

TEST(PrintoutFailure, StopsAtTheFailingCall)
{
    const std::pair<const char *, std::function<void(Canvas &)>> printouts[] = {
        {"gear sheet", [](Canvas &c) { printGearSheet(c, defaultGearSheet(), PrintMoment, German); }},
        {"chain sheet", [](Canvas &c) { printChainSheet(c, calculatedChainSheet(), PrintMoment, German); }},
        {"race log", [](Canvas &c) { printRaceLogSheet(c, filledRaceLog(), PrintMoment, German); }},
    };
    for (const auto &[name, printout] : printouts) {
        RecordingCanvas whole;
        printout(whole);
        const int total = int(whole.calls().size());
        for (int n = 1; n <= total; ++n) {
            RecordingCanvas canvas;
            canvas.failAtCall(n);
            EXPECT_THROW(printout(canvas), Error) << name << " at call " << n;
            ASSERT_EQ(int(canvas.calls().size()), n - 1) << name << " at call " << n;
            // What was drawn is the start of the whole page, in order.
            EXPECT_TRUE(std::equal(canvas.calls().begin(), canvas.calls().end(), whole.calls().begin()))
                << name << " at call " << n;
        }
    }
}

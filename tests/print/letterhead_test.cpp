#include "print/letterhead.h"
#include "print/recordingcanvas.h"
#include "print/sheets.h"

#include <gtest/gtest.h>

using namespace trovanta::print;
using namespace trovanta::test;

TEST(Letterhead, StandsAtItsPlaces)
{
    RecordingCanvas canvas;
    drawLetterhead(canvas, "Untertitel", PrintMoment, German);
    EXPECT_EQ(textsOf(canvas), letterheadTexts("Untertitel"));
    EXPECT_EQ(canvas.calls().size(), 7u); // text only, no job of its own
}

TEST(Letterhead, DateAndTimeFollowTheLocaleWithoutTimeZone)
{
    struct Case {
        QLocale locale;
        const char *date, *time;
    } cases[] = {
        {QLocale(QLocale::German, QLocale::Germany), "08.12.26", "14:05:09"},
        {QLocale(QLocale::English, QLocale::UnitedStates), "12/8/26", "2:05:09 PM"},
        {QLocale(QLocale::French, QLocale::France), "08/12/2026", "14:05:09"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(letterheadDate(PrintMoment.date(), c.locale), c.date) << c.locale.name().toStdString();
        EXPECT_EQ(letterheadTime(PrintMoment.time(), c.locale), c.time) << c.locale.name().toStdString();
    }
}

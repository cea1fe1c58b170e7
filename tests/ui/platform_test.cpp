#include "support/fake_platform.h"
#include "ui/platform.h"

#include <gtest/gtest.h>

using trovanta::test::FakePlatform;

TEST(Platform, DecimalSeparatorFollowsTheLocale)
{
    {
        FakePlatform comma(QLocale(QLocale::German, QLocale::Germany));
        EXPECT_EQ(trovanta::ui::decimalSeparator(), ',');
        FakePlatform dot(QLocale(QLocale::English, QLocale::UnitedStates));
        EXPECT_EQ(trovanta::ui::decimalSeparator(), '.');
    }
    FakePlatform french(QLocale(QLocale::French, QLocale::France));
    EXPECT_EQ(trovanta::ui::decimalSeparator(), ',');
}

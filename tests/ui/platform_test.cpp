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

TEST(Platform, ErrorBoxAppendsAFullStop)
{
    FakePlatform p;
    trovanta::ui::platform().showError(nullptr, QStringLiteral("Gleitkommadivision durch Null"));
    trovanta::ui::platform().showError(nullptr, QStringLiteral("Division durch 0."));
    EXPECT_EQ(p.errors, (QStringList{"Gleitkommadivision durch Null.", "Division durch 0."}));
}

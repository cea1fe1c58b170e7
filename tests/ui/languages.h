#pragma once
// The language choices the window tests run in, named for the test list,
// and a switch as the rider makes it from the menu.

#include "ui/language.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <string>

namespace trovanta::test {

// The fit tests: every choice that shows other texts.
inline const auto EveryLanguage = ::testing::Values(ui::Language::Original, ui::Language::French,
                                                    ui::Language::German, ui::Language::English);
// The translation tests: the original texts have tests of their own.
inline const auto EveryTranslation =
    ::testing::Values(ui::Language::French, ui::Language::German, ui::Language::English);

inline std::string languageName(const ::testing::TestParamInfo<ui::Language> &info)
{
    const char *const names[] = {"System", "Original", "French", "German", "English"};
    return names[static_cast<int>(info.param)];
}

// The texts change at once, and the windows hear of it (their posted
// LanguageChange) before the test looks.
inline void switchTo(ui::Language l)
{
    ui::setLanguage(l);
    QCoreApplication::sendPostedEvents();
}

} // namespace trovanta::test

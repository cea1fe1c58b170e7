#pragma once
// The language choices the window tests run in, named for the test list,
// and a switch as the rider makes it from the menu.

#include "ui/language.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <cstddef>
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

// A window's tests run once per language; each ends on the original texts.
template <class Fixture> class InLanguage : public Fixture, public ::testing::WithParamInterface<ui::Language> {
protected:
    void TearDown() override
    {
        switchTo(ui::Language::Original);
        Fixture::TearDown();
    }
};

// A test that switches in a loop ends on the original texts, however it ends.
struct BackToOriginal {
    ~BackToOriginal() { switchTo(ui::Language::Original); }
};

// The row of a table of expected texts for the language under test.
template <class Row, std::size_t N> const Row &rowFor(const Row (&rows)[N], ui::Language l)
{
    for (const Row &r : rows)
        if (r.language == l)
            return r;
    ADD_FAILURE() << "no row for language " << static_cast<int>(l);
    return rows[0];
}

} // namespace trovanta::test

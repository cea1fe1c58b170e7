#pragma once
// The program's options: what the rider chose in the "&Options" menu and
// the list of recent files, kept in options.ini beside the program. One
// struct, read at start and written at the end in one place, so that a new
// option is one member, one line in read and write, one menu entry.

#include "calc/units.h"
#include "ui/language.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QMenu;
class QMenuBar;

namespace trovanta::ui {

inline constexpr const char *OptionsFileName = "options.ini";
inline constexpr int MaxRecentFiles = 8;

struct Options {
    // Gear data files last opened or saved, newest first, absolute paths.
    QStringList recentFiles;
    // The units chosen in "&Unités"; none until the rider chooses, so that
    // the system's measurement system decides.
    std::optional<units::Choice> units;
    // "&Langue / Language"; System until the rider chooses.
    Language language = Language::System;

    bool operator==(const Options &o) const
    {
        return recentFiles == o.recentFiles && units == o.units && language == o.language;
    }
    bool operator!=(const Options &o) const { return !(*this == o); }
};

QString optionsPath();
// A missing or unreadable file gives the defaults.
Options readOptions();
// Throws trovanta::Error when the file cannot be written.
void writeOptions(const Options &o);

// `path` moved to the front of `list` (or added there), at most
// MaxRecentFiles kept.
QStringList withRecent(QStringList list, const QString &path);

// The "&Options" menu, added to `bar`; its entries come with the options
// they change. "&Unités" (Unites1) sets the program's current units
// (ui/units.h) and shows them checked, whichever way they change;
// "&Langue / Language" (Langue1) sets the language (ui/language.h) and calls
// `languageChosen` with it.
QMenu *addOptionsMenu(QMenuBar *bar, std::function<void(Language)> languageChosen = {});

} // namespace trovanta::ui

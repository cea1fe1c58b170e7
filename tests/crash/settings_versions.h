#pragma once
// Two full versions of each settings file, as the kill test's writer puts
// them on disk and the test expects to find them.

#include "files/chainsettings.h"
#include "files/mainsettings.h"
#include "files/racelogfile.h"

#include <QString>

#include <vector>

namespace trovanta::crash {

struct Entry {
    QString section, key;
};

struct SettingsFile {
    QString name;
    // Written as the program writes it: entry by entry, each on its own
    // (the main settings and the chain calculator), or all at once (the
    // race log).
    bool wholeFile;
    std::vector<Entry> entries;

    // Version 1 is longer than version 0 in every entry, so that a torn
    // write cannot pass for either.
    QString value(int version, std::size_t entry) const
    {
        const QString v = QString::fromUtf8("%1 Wert %2 äöü°").arg(name).arg(entry);
        return version == 0 ? v : v + QString(" version 1").repeated(int(entry % 7) + 1);
    }
};

inline std::vector<SettingsFile> settingsFiles()
{
    SettingsFile main{files::MainSettingsFileName, false, {}};
    for (const files::MainSetting &s : files::MainSettings)
        main.entries.push_back({s.section, s.key});

    SettingsFile chain{files::ChainSettingsFileName, false, {{files::ChainMarkerSection, files::ChainMarkerKey}}};
    for (const files::ChainSetting &s : files::ChainSettings)
        chain.entries.push_back({s.section, s.key});
    chain.entries.push_back({files::ChainResultSection, files::ChainResultKey});

    // The keys the window reads from its labels are stood in for by the
    // labels' names.
    SettingsFile raceLog{files::RaceLogSettingsFileName, true, {}};
    for (const files::RaceLogEntry &e : files::RaceLogEntries)
        raceLog.entries.push_back({e.section, e.key ? QString::fromUtf8(e.key) : QString::fromLatin1(e.keyLabel)});
    return {main, chain, raceLog};
}

} // namespace trovanta::crash

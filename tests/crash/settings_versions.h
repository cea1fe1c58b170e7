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
    SettingsFile main{files::MainSettingsFileName, {}};
    for (const files::MainSetting &s : files::MainSettings)
        main.entries.push_back({s.section, s.key});

    SettingsFile chain{files::ChainSettingsFileName, {{files::ChainMarkerSection, files::ChainMarkerKey}}};
    for (const files::ChainSetting &s : files::ChainSettings)
        chain.entries.push_back({s.section, s.key});
    chain.entries.push_back({files::ChainResultSection, files::ChainResultKey});

    SettingsFile raceLog{files::RaceLogSettingsFileName, {}};
    for (const files::RaceLogEntry &e : files::RaceLogEntries)
        raceLog.entries.push_back({QString::fromUtf8(e.section), QString::fromUtf8(e.key)});
    return {main, chain, raceLog};
}

} // namespace trovanta::crash

#pragma once
// Two full versions of each settings file, as the kill test's writer puts
// them on disk and the test expects to find them.

#include "files/chainsettings.h"
#include "files/geardata.h"
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
    // A race log export, written as the settings file is.
    SettingsFile exported = raceLog;
    exported.name = "Spa.txt";

    // The analysis windows' files: the marker, then their entries.
    auto numbered = [](SettingsFile &f, const char *section, const char *key, int count) {
        for (int i = 1; i <= count; ++i)
            f.entries.push_back({section, key + QString::number(i)});
    };
    SettingsFile compare{"comparaison.ini", {{"Program", "Inifile"}}};
    for (const char *k : {"Felge", "Breite", "Hoehe", "Schlupf", "Umfang", "Ritzel", "Kettenrad", "Primaer"})
        compare.entries.push_back({"Variante", k});
    numbered(compare, "Variante", "Gang", 6);
    compare.entries.push_back({"Reise", "Tempo"});
    numbered(compare, "Punkte", "Name", 12);
    numbered(compare, "Punkte", "Tempo", 12);
    numbered(compare, "Punkte", "Gang", 12);
    SettingsFile sprockets{"pignons.ini",
                           {{"Program", "Inifile"}, {"Achse", "Vorne"}, {"Achse", "Hinten"}, {"Bereich", "RitzelVon"},
                            {"Bereich", "RitzelBis"}, {"Bereich", "KettenradVon"}, {"Bereich", "KettenradBis"},
                            {"Ziel", "Prozent"}, {"Ziel", "Toleranz"}}};
    SettingsFile calibration{"etalonnage.ini",
                             {{"Program", "Inifile"}, {"Abroll", "Strecke"}, {"Abroll", "Umdrehungen"},
                              {"GPS", "Gang"}, {"GPS", "Drehzahl"}, {"GPS", "Tempo"}, {"Tacho", "Anzeige"},
                              {"Tacho", "Wahr"}, {"Tacho", "Sensor"}, {"Tacho", "RitzelNeu"},
                              {"Tacho", "KettenradNeu"}, {"Tacho", "UmfangNeu"}}};
    return {main, chain, raceLog, exported, compare, sprockets, calibration};
}

// The gear data file the writer saves beside them, in two versions.
inline constexpr const char *GearFileName = "Satz.tva";
inline files::GearRecord gearVersion(int version)
{
    files::GearRecord r;
    r.title = version == 0 ? QString::fromUtf8("Übersetzung A") : QString::fromUtf8("Übersetzung B, länger");
    r.front = 17 - version;
    r.rear = 38 + 2 * version;
    r.rim = 17;
    r.width = 190;
    r.height = 50;
    r.primary = 1.84;
    r.gears = {2.67, 1.93, 1.5, 1.23, 1.09, 1.0};
    r.shiftMark = 6000 + version;
    r.redZone = 12000 + version;
    return r;
}

} // namespace trovanta::crash

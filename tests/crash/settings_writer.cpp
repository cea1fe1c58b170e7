// The kill test's child: writes every kind of file the program writes
// (settings files, a race log export, a gear data file), alternating two
// versions, until it is killed.
//
//   settings_writer <directory> <first version, 0 or 1>

#include "crash/settings_versions.h"
#include "files/settingsfile.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <unistd.h>

using namespace trovanta;

int main(int argc, char **argv)
{
    if (argc != 3)
        return 2;
    const QString dir = QString::fromLocal8Bit(argv[1]);
    int version = std::atoi(argv[2]) & 1;
    const auto settings = crash::settingsFiles();
    // Tell the test that writing begins.
    if (::write(STDOUT_FILENO, "R", 1) != 1)
        return 3;
    try {
        for (;; version ^= 1) {
            for (const crash::SettingsFile &f : settings) {
                const QString path = dir + "/" + f.name;
                files::SettingsWriter w(path);
                for (std::size_t i = 0; i < f.entries.size(); ++i)
                    w.writeString(f.entries[i].section, f.entries[i].key, f.value(version, i));
                w.commit();
            }
            files::writeGearFile(dir + "/" + crash::GearFileName, crash::gearVersion(version));
        }
    } catch (const std::exception &e) {
        std::fprintf(stderr, "settings_writer: %s\n", e.what());
        return 1;
    }
}

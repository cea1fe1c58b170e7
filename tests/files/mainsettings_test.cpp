// The main settings table: what the main window loads and saves, and in
// which order (the window's tests check the file it writes).
#include "files/mainsettings.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace trovanta::files;

TEST(MainSettings, TableShape)
{
    std::set<std::string> keys, sectionsSeen;
    std::string current;
    for (const MainSetting &e : MainSettings) {
        if (e.kind == SettingKind::Marker)
            continue;
        EXPECT_TRUE(keys.insert(std::string(e.section) + "/" + e.key).second) << e.key;
        // Each section's keys stand together, so a first write keeps table order.
        if (current != e.section) {
            EXPECT_TRUE(sectionsSeen.insert(e.section).second) << e.section;
            current = e.section;
        }
    }
}

#pragma once
// The settings files beside the program, and the entries of the main
// settings file in the order they are written and read. Which control
// keeps each entry is the windows' business (ui/settingfields.h).

#include <QString>

#include <array>

namespace trovanta::files {

inline constexpr const char *MainSettingsFileName = "Trovanta.ini";
inline constexpr const char *ChainSettingsFileName = "catenolix.ini";
inline constexpr const char *RaceLogSettingsFileName = "pistorel.ini";

enum class SettingKind {
    Marker, // written with a fixed text, never read
    Text,   // the field's text as it stands
    Switch, // a check box, "1" or "0"
};

struct MainSetting {
    const char *section;
    const char *key;
    SettingKind kind;
    const char *defaultText; // Text: default when missing; Marker: the text written
    bool defaultChecked;     // Switch: default when missing
};

inline constexpr std::array<MainSetting, 24> MainSettings = {{
    {"Program", "Inifile", SettingKind::Marker, "Trovanta", false},
    {"Hinterrad", "Felge", SettingKind::Text, "17", false},
    {"Hinterrad", "Breite", SettingKind::Text, "190", false},
    {"Hinterrad", "Hoehe", SettingKind::Text, "50", false},
    {"Hinterrad", "CB_Edit", SettingKind::Switch, "", false},
    {"Hinterrad", "Umfang", SettingKind::Text, "1953", false},
    {"Uebersetzung", "Ritzel", SettingKind::Text, "17", false},
    {"Uebersetzung", "Kettenrad", SettingKind::Text, "38", false},
    {"Uebersetzung", "Primaer", SettingKind::Text, "1,84", false},
    {"Uebersetzung Gaenge", "Gang1", SettingKind::Text, "2,67", false},
    {"Uebersetzung Gaenge", "Gang2", SettingKind::Text, "1,93", false},
    {"Uebersetzung Gaenge", "Gang3", SettingKind::Text, "1,50", false},
    {"Uebersetzung Gaenge", "Gang4", SettingKind::Text, "1,23", false},
    {"Uebersetzung Gaenge", "Gang5", SettingKind::Text, "1,09", false},
    {"Uebersetzung Gaenge", "Gang6", SettingKind::Text, "1,00", false},
    {"Gang", "CB_Gang1", SettingKind::Switch, "", true},
    {"Gang", "CB_Gang2", SettingKind::Switch, "", true},
    {"Gang", "CB_Gang3", SettingKind::Switch, "", true},
    {"Gang", "CB_Gang4", SettingKind::Switch, "", true},
    {"Gang", "CB_Gang5", SettingKind::Switch, "", true},
    {"Gang", "CB_Gang6", SettingKind::Switch, "", true},
    {"Marke", "Schaltpunkt", SettingKind::Text, "7000", false},
    {"Marke", "RoterBereich", SettingKind::Text, "11000", false},
    {"Bezeichnung", "Name", SettingKind::Text, "-Kein Kommentar gefunden-", false},
}};

// The main settings file, worked out anew at each call.
QString mainSettingsPath();

} // namespace trovanta::files

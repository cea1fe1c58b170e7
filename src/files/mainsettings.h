#pragma once
// The settings files beside the program, and the entries of the main
// settings file in the order they are written and read. The main window
// loops over the table: text entries go to the field's text, switches to
// its check box.

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
    const char *field;       // objectName of the main window control; empty for the marker
    const char *defaultText; // Text: default when missing; Marker: the text written
    bool defaultChecked;     // Switch: default when missing
};

inline constexpr std::array<MainSetting, 24> MainSettings = {{
    {"Program", "Inifile", SettingKind::Marker, "", "Trovanta", false},
    {"Hinterrad", "Felge", SettingKind::Text, "Edit1", "17", false},
    {"Hinterrad", "Breite", SettingKind::Text, "Edit2", "190", false},
    {"Hinterrad", "Hoehe", SettingKind::Text, "Edit3", "50", false},
    {"Hinterrad", "CB_Edit", SettingKind::Switch, "CB_Umfangedit", "", false},
    {"Hinterrad", "Umfang", SettingKind::Text, "E_Umfang", "1953", false},
    {"Uebersetzung", "Ritzel", SettingKind::Text, "Edit4", "17", false},
    {"Uebersetzung", "Kettenrad", SettingKind::Text, "Edit5", "38", false},
    {"Uebersetzung", "Primaer", SettingKind::Text, "Edit6", "1,84", false},
    {"Uebersetzung Gaenge", "Gang1", SettingKind::Text, "Edit7", "2,67", false},
    {"Uebersetzung Gaenge", "Gang2", SettingKind::Text, "Edit8", "1,93", false},
    {"Uebersetzung Gaenge", "Gang3", SettingKind::Text, "Edit9", "1,50", false},
    {"Uebersetzung Gaenge", "Gang4", SettingKind::Text, "Edit10", "1,23", false},
    {"Uebersetzung Gaenge", "Gang5", SettingKind::Text, "Edit11", "1,09", false},
    {"Uebersetzung Gaenge", "Gang6", SettingKind::Text, "Edit12", "1,00", false},
    {"Gang", "CB_Gang1", SettingKind::Switch, "CheckBox1", "", true},
    {"Gang", "CB_Gang2", SettingKind::Switch, "CheckBox2", "", true},
    {"Gang", "CB_Gang3", SettingKind::Switch, "CheckBox3", "", true},
    {"Gang", "CB_Gang4", SettingKind::Switch, "CheckBox4", "", true},
    {"Gang", "CB_Gang5", SettingKind::Switch, "CheckBox5", "", true},
    {"Gang", "CB_Gang6", SettingKind::Switch, "CheckBox6", "", true},
    {"Marke", "Schaltpunkt", SettingKind::Text, "EditMarke", "7000", false},
    {"Marke", "RoterBereich", SettingKind::Text, "EditRotBereich", "11000", false},
    {"Bezeichnung", "Name", SettingKind::Text, "Edit15", "-Kein Kommentar gefunden-", false},
}};

// The main settings file, worked out anew at each call.
QString mainSettingsPath();

} // namespace trovanta::files

#pragma once
// Which control keeps each entry of the settings files. The files' tables
// name sections and keys only; here the entries meet the windows' controls
// (by objectName), row for row, which the build checks key by key.

#include "files/chainsettings.h"
#include "files/mainsettings.h"
#include "files/racelogfile.h"

#include <array>

namespace trovanta::ui {

struct SettingField {
    const char *section;
    const char *key;
    const char *field; // objectName of the control; nullptr for a marker
};

// The main window: text entries go to an edit, switches to a check box.
inline constexpr std::array<SettingField, 24> MainSettingFields = {{
    {"Program", "Inifile", nullptr},
    {"Hinterrad", "Felge", "Edit1"},
    {"Hinterrad", "Breite", "Edit2"},
    {"Hinterrad", "Hoehe", "Edit3"},
    {"Hinterrad", "CB_Edit", "CB_Umfangedit"},
    {"Hinterrad", "Umfang", "E_Umfang"},
    {"Uebersetzung", "Ritzel", "Edit4"},
    {"Uebersetzung", "Kettenrad", "Edit5"},
    {"Uebersetzung", "Primaer", "Edit6"},
    {"Uebersetzung Gaenge", "Gang1", "Edit7"},
    {"Uebersetzung Gaenge", "Gang2", "Edit8"},
    {"Uebersetzung Gaenge", "Gang3", "Edit9"},
    {"Uebersetzung Gaenge", "Gang4", "Edit10"},
    {"Uebersetzung Gaenge", "Gang5", "Edit11"},
    {"Uebersetzung Gaenge", "Gang6", "Edit12"},
    {"Gang", "CB_Gang1", "CheckBox1"},
    {"Gang", "CB_Gang2", "CheckBox2"},
    {"Gang", "CB_Gang3", "CheckBox3"},
    {"Gang", "CB_Gang4", "CheckBox4"},
    {"Gang", "CB_Gang5", "CheckBox5"},
    {"Gang", "CB_Gang6", "CheckBox6"},
    {"Marke", "Schaltpunkt", "EditMarke"},
    {"Marke", "RoterBereich", "EditRotBereich"},
    {"Bezeichnung", "Name", "Edit15"},
}};

// The chain calculator's edits.
inline constexpr std::array<SettingField, 9> ChainSettingFields = {{
    {"Antrieb alt", "Solldurchhang", "E_Solldurchhang"},
    {"Antrieb alt", "aktuelle Kettenlaenge", "E_Glieder_alt"},
    {"Antrieb alt", "Gliedlaenge", "E_Gliedlaenge"},
    {"Antrieb alt", "Ritzel alt", "E_Ritzel_alt"},
    {"Antrieb alt", "Kettenrad alt", "E_Kettenrad_alt"},
    {"Antrieb neu", "Ritzel neu", "E_Ritzel_neu"},
    {"Antrieb neu", "Kettenrad neu", "E_Kettenrad_neu"},
    {"Antrieb neu", "Kettenlaenge neu", "E_Glieder_neu"},
    {"Motorrad", "Typ", "E_Mopped"},
}};

// The race log: edits, the weather box, the file panel and the notes.
inline constexpr std::array<SettingField, 44> RaceLogFields = {{
    {"Programm", "", nullptr},
    {"Motorrad", "Typ", "Edit5"},
    {"Reifen vorn", "Groesse", "Edit6"},
    {"Reifen vorn", "Hersteller", "Edit7"},
    {"Reifen vorn", "Typ", "Edit8"},
    {"Reifen vorn", "Mischung", "Edit9"},
    {"Reifen vorn", "Druck", "Edit10"},
    {"Reifen hinten", "Groesse", "Edit11"},
    {"Reifen hinten", "Hersteller", "Edit12"},
    {"Reifen hinten", "Typ", "Edit13"},
    {"Reifen hinten", "Mischung", "Edit14"},
    {"Reifen hinten", "Druck", "Edit15"},
    {"Motor", "Filtre à air", "Edit26"},
    {"Motor", "Cornets", "Edit27"},
    {"Motor", "Collecteur", "Edit28"},
    {"Motor", "Silencieux", "Edit29"},
    {"Motor", "Mapping", "Edit30"},
    {"Motor", "Eeprom ", "Edit31"},
    {"Motor", "Injecteurs", "Edit32"},
    {"Fahrwerk vorn", "Précharge", "Edit16"},
    {"Fahrwerk vorn", "Détente", "Edit17"},
    {"Fahrwerk vorn", "Compression", "Edit18"},
    {"Fahrwerk vorn", "Hauteur", "Edit19"},
    {"Fahrwerk vorn", "Ressort", "Edit20"},
    {"Fahrwerk hinten", "Précharge", "Edit22"},
    {"Fahrwerk hinten", "Détente", "Edit21"},
    {"Fahrwerk hinten", "Compression", "Edit23"},
    {"Fahrwerk hinten", "Hauteur", "Edit24"},
    {"Fahrwerk hinten", "Ressort", "Edit25"},
    {"Uebersetzung", "Pignon ", "Edit35"},
    {"Uebersetzung", "Couronne", "Edit36"},
    {"Uebersetzung", "Primaire ", "Edit37"},
    {"Bremsen vorn", "Disques", "Edit38"},
    {"Bremsen vorn", "Plaquettes", "Edit39"},
    {"Bremsen hinten", "Disques", "Edit40"},
    {"Bremsen hinten", "Plaquettes", "Edit41"},
    {"Strecke", "Nom: ", "Edit1"},
    {"Strecke", "Température d air (°C)", "Edit2"},
    {"Strecke", "Température de piste(°C)", "Edit3"},
    {"Strecke", "Sensations", "CBox_Witterung"},
    {"Strecke", "Date", "Edit4"},
    {"Strecke", "Temps au tour", "Edit34"},
    {"Sonstiges", "Fichier", "Panel1"},
    {"Sonstiges", "", "Memo1"},
}};

inline constexpr const char *RaceLogNotesField = "Memo1";

namespace detail {
constexpr bool same(const char *a, const char *b)
{
    while (*a && *a == *b)
        ++a, ++b;
    return *a == *b;
}
template <class Fields, class Table> constexpr bool matches(const Fields &fields, const Table &table)
{
    if (fields.size() != table.size())
        return false;
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (!same(fields[i].section, table[i].section) || !same(fields[i].key, table[i].key))
            return false;
    return true;
}
} // namespace detail

static_assert(detail::matches(MainSettingFields, files::MainSettings));
static_assert(detail::matches(ChainSettingFields, files::ChainSettings));
static_assert(detail::matches(RaceLogFields, files::RaceLogEntries));

} // namespace trovanta::ui

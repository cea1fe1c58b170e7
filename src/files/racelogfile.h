#pragma once
// The race log file: the settings file "pistorel.ini" and the exports
// "<track>.txt" share one layout, written entry by entry in this order.
// The keys are fixed texts, blanks included: many read like the window's
// captions, but a caption may change while the files stay readable.

#include <QByteArray>
#include <QString>

#include <array>

namespace trovanta::files {

struct RaceLogEntry {
    const char *section;     // UTF-8, stored in Windows-1252
    const char *key;         // "" is the empty key
    const char *field;       // objectName of the control; nullptr for the marker
    const char *defaultText; // read when the entry is missing
};

inline constexpr const char *RaceLogMarker = "Pistorel";
inline constexpr const char *RaceLogNotesField = "Memo1";

inline constexpr std::array<RaceLogEntry, 44> RaceLogEntries = {{
    {"Programm", "", nullptr, ""},
    {"Motorrad", "Typ", "Edit5", "Typ angeben"},
    {"Reifen vorn", "Groesse", "Edit6", ""},
    {"Reifen vorn", "Hersteller", "Edit7", ""},
    {"Reifen vorn", "Typ", "Edit8", ""},
    {"Reifen vorn", "Mischung", "Edit9", ""},
    {"Reifen vorn", "Druck", "Edit10", ""},
    {"Reifen hinten", "Groesse", "Edit11", ""},
    {"Reifen hinten", "Hersteller", "Edit12", ""},
    {"Reifen hinten", "Typ", "Edit13", ""},
    {"Reifen hinten", "Mischung", "Edit14", ""},
    {"Reifen hinten", "Druck", "Edit15", ""},
    {"Motor", "Filtre à air", "Edit26", ""},
    {"Motor", "Cornets", "Edit27", ""},
    {"Motor", "Collecteur", "Edit28", ""},
    {"Motor", "Silencieux", "Edit29", ""},
    {"Motor", "Mapping", "Edit30", ""},
    {"Motor", "Eeprom ", "Edit31", ""},
    {"Motor", "Injecteurs", "Edit32", ""},
    {"Fahrwerk vorn", "Précharge", "Edit16", ""},
    {"Fahrwerk vorn", "Détente", "Edit17", ""},
    {"Fahrwerk vorn", "Compression", "Edit18", ""},
    {"Fahrwerk vorn", "Hauteur", "Edit19", ""},
    {"Fahrwerk vorn", "Ressort", "Edit20", ""},
    // The rear row of the suspension starts with Edit22, then Edit21.
    {"Fahrwerk hinten", "Précharge", "Edit22", ""},
    {"Fahrwerk hinten", "Détente", "Edit21", ""},
    {"Fahrwerk hinten", "Compression", "Edit23", ""},
    {"Fahrwerk hinten", "Hauteur", "Edit24", ""},
    {"Fahrwerk hinten", "Ressort", "Edit25", ""},
    {"Uebersetzung", "Pignon ", "Edit35", ""},
    {"Uebersetzung", "Couronne", "Edit36", ""},
    {"Uebersetzung", "Primaire ", "Edit37", ""},
    {"Bremsen vorn", "Disques", "Edit38", ""},
    {"Bremsen vorn", "Plaquettes", "Edit39", ""},
    {"Bremsen hinten", "Disques", "Edit40", ""},
    {"Bremsen hinten", "Plaquettes", "Edit41", ""},
    {"Strecke", "Nom: ", "Edit1", ""},
    {"Strecke", "Température d air (°C)", "Edit2", ""},
    {"Strecke", "Température de piste(°C)", "Edit3", ""},
    {"Strecke", "Sensations", "CBox_Witterung", ""},
    {"Strecke", "Date", "Edit4", ""},
    {"Strecke", "Temps au tour", "Edit34", ""},
    {"Sonstiges", "Fichier", "Panel1", ""},
    {"Sonstiges", "", RaceLogNotesField, ""},
}};

// The file in the program directory: the name as typed plus the extension.
// A subdirectory is fine; a name that would lead out of the program
// directory (an absolute path, a ".." component) throws trovanta::Error.
QString raceLogPath(const QString &baseName, const QString &extension);

// The notes are stored as one value: each line followed by one blank, joined
// without line breaks; an empty last line does not count. The lines are the
// ones the rider ended: a line the field only wrapped is stored as typed, so
// that no blank is doubled or put into a word at a wrap. Reading takes the
// blank after the last line off again; otherwise the notes would grow by a
// blank at every close.
QString notesValue(const QString &plainText);
QString notesFromValue(const QString &value);

} // namespace trovanta::files

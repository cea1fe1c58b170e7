#pragma once
// The race log file: the settings file "pistorel.ini" and the exports
// "<track>.txt" share one layout, written entry by entry in this order.
// The keys are fixed texts, blanks included: many read like the window's
// captions, but a caption may change while the files stay readable.

#include "calc/messages.h"

#include <QByteArray>
#include <QString>

#include <array>

namespace trovanta::files {

struct RaceLogEntry {
    const char *section;     // UTF-8, stored in Windows-1252
    const char *key;         // "" is the empty key
    const char *defaultText; // read when the entry is missing; a text one is shown translated
};

inline constexpr const char *RaceLogMarker = "Pistorel";

inline constexpr std::array<RaceLogEntry, 44> RaceLogEntries = {{
    {"Programm", "", ""},
    {"Motorrad", "Typ", TROVANTA_MESSAGE("TForm7", "Typ angeben")},
    {"Reifen vorn", "Groesse", ""},
    {"Reifen vorn", "Hersteller", ""},
    {"Reifen vorn", "Typ", ""},
    {"Reifen vorn", "Mischung", ""},
    {"Reifen vorn", "Druck", ""},
    {"Reifen hinten", "Groesse", ""},
    {"Reifen hinten", "Hersteller", ""},
    {"Reifen hinten", "Typ", ""},
    {"Reifen hinten", "Mischung", ""},
    {"Reifen hinten", "Druck", ""},
    {"Motor", "Filtre à air", ""},
    {"Motor", "Cornets", ""},
    {"Motor", "Collecteur", ""},
    {"Motor", "Silencieux", ""},
    {"Motor", "Mapping", ""},
    {"Motor", "Eeprom ", ""},
    {"Motor", "Injecteurs", ""},
    {"Fahrwerk vorn", "Précharge", ""},
    {"Fahrwerk vorn", "Détente", ""},
    {"Fahrwerk vorn", "Compression", ""},
    {"Fahrwerk vorn", "Hauteur", ""},
    {"Fahrwerk vorn", "Ressort", ""},
    // The rear row of the suspension starts with Edit22, then Edit21.
    {"Fahrwerk hinten", "Précharge", ""},
    {"Fahrwerk hinten", "Détente", ""},
    {"Fahrwerk hinten", "Compression", ""},
    {"Fahrwerk hinten", "Hauteur", ""},
    {"Fahrwerk hinten", "Ressort", ""},
    {"Uebersetzung", "Pignon ", ""},
    {"Uebersetzung", "Couronne", ""},
    {"Uebersetzung", "Primaire ", ""},
    {"Bremsen vorn", "Disques", ""},
    {"Bremsen vorn", "Plaquettes", ""},
    {"Bremsen hinten", "Disques", ""},
    {"Bremsen hinten", "Plaquettes", ""},
    {"Strecke", "Nom: ", ""},
    {"Strecke", "Température d air (°C)", ""},
    {"Strecke", "Température de piste(°C)", ""},
    {"Strecke", "Sensations", ""},
    {"Strecke", "Date", ""},
    {"Strecke", "Temps au tour", ""},
    {"Sonstiges", "Fichier", ""},
    {"Sonstiges", "", ""},
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

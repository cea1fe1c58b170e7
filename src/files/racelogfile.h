#pragma once
// The race log file: the settings file "pistorel.ini" and the exports
// "<track>.txt" share one layout, written entry by entry in this order.
// The race log window loops over the table: most keys are the captions of
// its labels as they read at that moment, so they are named by the label.

#include <QByteArray>
#include <QString>

#include <array>

namespace trovanta::files {

struct RaceLogEntry {
    const char *section;
    const char *key;         // a fixed key ("" is the empty key); nullptr: the caption of keyLabel
    const char *keyLabel;    // objectName of the label whose caption is the key
    const char *field;       // objectName of the control; nullptr for the marker
    const char *defaultText; // read when the entry is missing
};

inline constexpr const char *RaceLogMarker = "Pistorel";
inline constexpr const char *RaceLogNotesField = "Memo1";

inline constexpr std::array<RaceLogEntry, 44> RaceLogEntries = {{
    {"Programm", "", nullptr, nullptr, ""},
    {"Motorrad", "Typ", nullptr, "Edit5", "Typ angeben"},
    {"Reifen vorn", "Groesse", nullptr, "Edit6", ""},
    {"Reifen vorn", "Hersteller", nullptr, "Edit7", ""},
    {"Reifen vorn", "Typ", nullptr, "Edit8", ""},
    {"Reifen vorn", "Mischung", nullptr, "Edit9", ""},
    {"Reifen vorn", "Druck", nullptr, "Edit10", ""},
    {"Reifen hinten", "Groesse", nullptr, "Edit11", ""},
    {"Reifen hinten", "Hersteller", nullptr, "Edit12", ""},
    {"Reifen hinten", "Typ", nullptr, "Edit13", ""},
    {"Reifen hinten", "Mischung", nullptr, "Edit14", ""},
    {"Reifen hinten", "Druck", nullptr, "Edit15", ""},
    {"Motor", nullptr, "Label_Edit26", "Edit26", ""},
    {"Motor", nullptr, "Label_Edit27", "Edit27", ""},
    {"Motor", nullptr, "Label_Edit28", "Edit28", ""},
    {"Motor", nullptr, "Label_Edit29", "Edit29", ""},
    {"Motor", nullptr, "Label_Edit30", "Edit30", ""},
    {"Motor", nullptr, "Label_Edit31", "Edit31", ""},
    {"Motor", nullptr, "Label_Edit32", "Edit32", ""},
    {"Fahrwerk vorn", nullptr, "Label_Precharge", "Edit16", ""},
    {"Fahrwerk vorn", nullptr, "Label_Detente", "Edit17", ""},
    {"Fahrwerk vorn", nullptr, "Label_Compression", "Edit18", ""},
    {"Fahrwerk vorn", nullptr, "Label_Hauteur", "Edit19", ""},
    {"Fahrwerk vorn", nullptr, "Label_Ressort", "Edit20", ""},
    // The rear row of the suspension starts with Edit22, then Edit21.
    {"Fahrwerk hinten", nullptr, "Label_Precharge", "Edit22", ""},
    {"Fahrwerk hinten", nullptr, "Label_Detente", "Edit21", ""},
    {"Fahrwerk hinten", nullptr, "Label_Compression", "Edit23", ""},
    {"Fahrwerk hinten", nullptr, "Label_Hauteur", "Edit24", ""},
    {"Fahrwerk hinten", nullptr, "Label_Ressort", "Edit25", ""},
    {"Uebersetzung", nullptr, "Label_Edit35", "Edit35", ""},
    {"Uebersetzung", nullptr, "Label_Edit36", "Edit36", ""},
    {"Uebersetzung", nullptr, "Label_Edit37", "Edit37", ""},
    {"Bremsen vorn", nullptr, "Label_Disques", "Edit38", ""},
    {"Bremsen vorn", nullptr, "Label_Plaquettes", "Edit39", ""},
    {"Bremsen hinten", nullptr, "Label_Disques", "Edit40", ""},
    {"Bremsen hinten", nullptr, "Label_Plaquettes", "Edit41", ""},
    {"Strecke", nullptr, "Label_Edit1", "Edit1", ""},
    {"Strecke", nullptr, "Label_Edit2", "Edit2", ""},
    {"Strecke", nullptr, "Label_Edit3", "Edit3", ""},
    {"Strecke", nullptr, "Label_CBox_Witterung", "CBox_Witterung", ""},
    {"Strecke", nullptr, "Label_Edit4", "Edit4", ""},
    {"Strecke", nullptr, "Label_Edit34", "Edit34", ""},
    {"Sonstiges", nullptr, "Label_Panel1", "Panel1", ""},
    {"Sonstiges", "", nullptr, RaceLogNotesField, ""},
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

// Writes the entries of one race log file as the profile file would, one
// after the other, but puts the file on disk once, at commit: a single
// crash-safe replace instead of one per entry (44 of them made closing the
// window lag). When an entry cannot be stored or the file cannot be written,
// "nach <path> kann nicht geschrieben werden" is thrown and the file stays
// as it was.
class RaceLogWriter {
public:
    explicit RaceLogWriter(QString path);
    void writeString(const QString &section, const QString &key, const QString &value);
    void commit();

private:
    QString path_;
    QByteArray bytes_;
    bool readable_ = false;
};

// The values of one race log file, read at once. Unlike the profile file's
// reading, values are not cut at 2047 characters: long notes come back whole.
class RaceLogReader {
public:
    explicit RaceLogReader(const QString &path);
    QString value(const QString &section, const QString &key, const QString &def) const;

private:
    QByteArray bytes_;
};

} // namespace trovanta::files

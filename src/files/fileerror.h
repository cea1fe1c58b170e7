#pragma once
// Every text of files/ that the rider reads, in one place, each under its
// name: the file errors as the application error box shows them, and the
// gear data file's note on a short file.

#include "calc/error.h"

#include <QString>

namespace trovanta::files {

namespace msg {
inline constexpr const char *FileNotFound = TROVANTA_MESSAGE("Messages", "Datei nicht gefunden");
inline constexpr const char *AccessDenied = TROVANTA_MESSAGE("Messages", "Dateizugriff verweigert");
inline constexpr const char *InvalidFileName = TROVANTA_MESSAGE("Messages", "Ungültiger Dateiname");
inline constexpr const char *TooManyOpenFiles = TROVANTA_MESSAGE("Messages", "Zu viele geöffnete Dateien");
inline constexpr const char *IoError = TROVANTA_MESSAGE("Messages", "E/A-Fehler %d");
inline constexpr const char *CannotWriteTo = TROVANTA_MESSAGE("Messages", "nach %s kann nicht geschrieben werden");
inline constexpr const char *CannotCreate = TROVANTA_MESSAGE("Messages", "Datei %s kann nicht erstellt werden");
inline constexpr const char *NotGearFile = TROVANTA_MESSAGE("Messages", "Datei %s ist keine Trovanta-Datei");
// A short (older) gear data file: shown in a plain box, not an error.
inline constexpr const char *MissingMarks = TROVANTA_MESSAGE("Messages", "In dieser Datei sind keine Werte für die Schaltmarke und dem roten Bereich abgespeichert.");
// A FIFO, a device or a socket chosen as a file to read.
inline constexpr const char *NotOrdinaryFile = TROVANTA_MESSAGE("Messages", "Ce n'est pas un fichier ordinaire.");
} // namespace msg

// The message for a failed file operation with the system's error number.
std::string fileErrorMessage(int errorNumber);
Error fileError(int errorNumber);

// A refused profile write: "nach <path> kann nicht geschrieben werden".
Error cannotWriteTo(const QString &path);

// A file that cannot be created (the diagram bitmap).
Error cannotCreate(const QString &fileName);

// A file opened as gear data that holds none.
Error notGearFile(const QString &fileName);

} // namespace trovanta::files

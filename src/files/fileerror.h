#pragma once
// Every text of files/ that the rider reads, in one place, each under its
// name: the file errors as the application error box shows them, and the
// gear data file's note on a short file.

#include "calc/error.h"

#include <QString>

namespace trovanta::files {

namespace msg {
inline constexpr const char *FileNotFound = "Datei nicht gefunden";
inline constexpr const char *AccessDenied = "Dateizugriff verweigert";
inline constexpr const char *InvalidFileName = "Ungültiger Dateiname";
inline constexpr const char *TooManyOpenFiles = "Zu viele geöffnete Dateien";
inline constexpr const char *IoError = "E/A-Fehler %d";
inline constexpr const char *CannotWriteTo = "nach %s kann nicht geschrieben werden";
inline constexpr const char *CannotCreate = "Datei %s kann nicht erstellt werden";
inline constexpr const char *NotGearFile = "Datei %s ist keine Trovanta-Datei";
// A short (older) gear data file: shown in a plain box, not an error.
inline constexpr const char *MissingMarks =
    "In dieser Datei sind keine Werte für die Schaltmarke und dem roten Bereich abgespeichert.";
// A FIFO, a device or a socket chosen as a file to read.
inline constexpr const char *NotOrdinaryFile = "Ce n'est pas un fichier ordinaire.";
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

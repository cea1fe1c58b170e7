#pragma once
// Plain file reading and crash-safe replacing, with the operating system's
// error number so that callers can name the failure the way the user knows.

#include <QByteArray>
#include <QString>

namespace trovanta::files::io {

struct ReadResult {
    int openError = 0; // errno when the file could not be opened, else 0
    int readError = 0; // errno when reading broke off; `data` holds what came
    QByteArray data;
};

// A name holding a zero byte names no file (EINVAL) for either function.
//
// Reads at most `maxBytes` bytes. Directories and other files that are not
// regular files count as not openable (EISDIR, EINVAL), so a FIFO or a device
// can neither block nor flood the program.
ReadResult readFile(const QString &path, qint64 maxBytes);

// Replaces the file with `data` so that it is either the old file or the new
// one, never half written: a temporary file in the same directory is written,
// flushed to disk and renamed over the target; temporary files that writers
// which died halfway left in that directory are removed afterwards. The
// target keeps its permission bits (and its owner where the system allows);
// a symbolic link keeps pointing at the file, whose content is replaced. A
// target that is not writable is refused, not replaced through its
// directory. With `directFallback`, an existing writable file in a directory
// that takes no new files is overwritten in place instead (not crash-safe,
// but the write the user expects). Returns 0 or the errno of the failing
// step.
int replaceFile(const QString &path, const QByteArray &data, bool directFallback = false);

// How many times replaceFile has been called in this process: a save is
// one replace, whatever it holds.
quint64 replaceCount();

} // namespace trovanta::files::io

#include "files/racelogfile.h"

#include "calc/error.h"
#include "files/fileerror.h"
#include "files/programdir.h"

#include <QDir>
#include <QRegularExpression>

namespace trovanta::files {

QString raceLogPath(const QString &baseName, const QString &extension)
{
    const QString name = baseName + extension;
    // Both separators count, so a name typed for Windows is judged the same.
    static const QRegularExpression separators(QStringLiteral("[/\\\\]"));
    bool absolute = QDir::isAbsolutePath(name) || name.startsWith(u'/') || name.startsWith(u'\\');
#ifdef Q_OS_WIN
    absolute = absolute || (name.size() > 1 && name.at(1) == u':'); // "C:name" is relative to drive C
#endif
    if (absolute || name.split(separators).contains(QStringLiteral("..")))
        throw Error(msg::InvalidFileName);
    return programFile(name);
}

QString notesValue(const QString &plainText)
{
    QStringList lines = plainText.split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    QString value;
    for (const QString &l : lines)
        value += l + u' ';
    return value;
}

QString notesFromValue(const QString &value)
{
    return value.endsWith(u' ') ? value.chopped(1) : value;
}

} // namespace trovanta::files

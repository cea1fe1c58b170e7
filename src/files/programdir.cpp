#include "files/programdir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace trovanta::files {

namespace {
QString &overrideDirectory()
{
    static QString dir;
    return dir;
}
} // namespace

QString programDirectory()
{
    QString dir = overrideDirectory();
    if (dir.isEmpty()) {
        const QString exe = QCoreApplication::instance() ? QCoreApplication::applicationFilePath()
                                                         : QFileInfo(QStringLiteral("/proc/self/exe"))
                                                               .symLinkTarget();
        // A path the system cannot name (longer than its limit) leaves no
        // program file to go by; its "directory" would be the root or the
        // working directory.
        if (exe.isEmpty())
            return QString();
        const QFileInfo info(exe);
        const QString real = info.canonicalFilePath();
        dir = QFileInfo(real.isEmpty() ? info.absoluteFilePath() : real).absolutePath();
    }
    if (!QDir::isAbsolutePath(dir))
        return QString();
    return dir;
}

QString programFile(const QString &name)
{
    QString dir = programDirectory();
    if (dir.isEmpty())
        return name;
    if (!dir.endsWith(u'/'))
        dir += u'/';
    return dir + name;
}

void setProgramDirectoryForTesting(const QString &directory) { overrideDirectory() = directory; }

} // namespace trovanta::files

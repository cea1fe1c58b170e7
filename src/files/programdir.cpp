#include "files/programdir.h"

#include <QCoreApplication>
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
    if (!overrideDirectory().isEmpty())
        return overrideDirectory();
    const QString exe = QCoreApplication::instance() ? QCoreApplication::applicationFilePath()
                                                     : QFileInfo(QStringLiteral("/proc/self/exe"))
                                                           .symLinkTarget();
    const QFileInfo info(exe);
    const QString real = info.canonicalFilePath();
    return QFileInfo(real.isEmpty() ? info.absoluteFilePath() : real).absolutePath();
}

QString programFile(const QString &name)
{
    QString dir = programDirectory();
    if (!dir.endsWith(u'/'))
        dir += u'/';
    return dir + name;
}

void setProgramDirectoryForTesting(const QString &directory) { overrideDirectory() = directory; }

} // namespace trovanta::files

#include "ui/options.h"

#include "files/cp1252.h"
#include "files/programdir.h"
#include "files/settingsfile.h"

#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QUrl>

namespace trovanta::ui {

namespace {

const QString RecentSection = QStringLiteral("Recents");
QString recentKey(int i) { return QStringLiteral("Fichier%1").arg(i + 1); }

// The settings files are Windows-1252: a path with other characters is kept
// as a file URL, which is ASCII, instead of losing them.
QString storedPath(const QString &path)
{
    if (files::cp1252::decode(files::cp1252::encode(path)) == path && !path.startsWith(QLatin1String("file:")))
        return path;
    return QString::fromLatin1(QUrl::fromLocalFile(path).toEncoded());
}

QString pathFromStored(const QString &stored)
{
    if (stored.startsWith(QLatin1String("file:")))
        return QUrl::fromEncoded(stored.toLatin1()).toLocalFile();
    return stored;
}

} // namespace

QString optionsPath() { return files::programFile(QString::fromLatin1(OptionsFileName)); }

Options readOptions()
{
    Options o;
    const files::SettingsReader ini(optionsPath(), files::SettingsEncoding::Windows1252, -1);
    for (int i = 0; i < MaxRecentFiles; ++i) {
        const QString path = pathFromStored(ini.readString(RecentSection, recentKey(i), QString()));
        if (!path.isEmpty() && !o.recentFiles.contains(path))
            o.recentFiles.append(path);
    }
    return o;
}

void writeOptions(const Options &o)
{
    files::SettingsWriter ini(optionsPath());
    ini.writeString(QStringLiteral("Program"), QStringLiteral("Inifile"), QStringLiteral("options"));
    for (int i = 0; i < MaxRecentFiles; ++i)
        ini.writeString(RecentSection, recentKey(i),
                        i < o.recentFiles.size() ? storedPath(o.recentFiles[i]) : QString());
    ini.commit();
}

QStringList withRecent(QStringList list, const QString &path)
{
    const QString clean = QDir::cleanPath(path);
    list.removeAll(clean);
    list.prepend(clean);
    while (list.size() > MaxRecentFiles)
        list.removeLast();
    return list;
}

QMenu *addOptionsMenu(QMenuBar *bar)
{
    QMenu *m = bar->addMenu(QMenu::tr("&Options"));
    m->setObjectName(QStringLiteral("Options1"));
    return m;
}

} // namespace trovanta::ui

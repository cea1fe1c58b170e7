#include "ui/options.h"

#include "files/cp1252.h"
#include "files/programdir.h"
#include "files/settingsfile.h"
#include "ui/units.h"

#include <QActionGroup>

#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QUrl>

#include <functional>
#include <utility>
#include <vector>

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

const QString UnitsSection = QStringLiteral("Unites");

// The words options.ini keeps for each unit, in the order of the enums.
const char *const SpeedWords[] = {"kmh", "mph"};
const char *const TorqueWords[] = {"Nm", "lbft"};
const char *const PowerWords[] = {"kW", "ch", "hp"};
const char *const MassWords[] = {"kg", "lb"};

template <class E, std::size_t N>
E unitOf(const files::SettingsReader &ini, const char *key, const char *const (&words)[N], E fallback)
{
    const QString w = ini.readString(UnitsSection, QString::fromLatin1(key), QString());
    for (std::size_t i = 0; i < N; ++i)
        if (w.compare(QLatin1String(words[i]), Qt::CaseInsensitive) == 0)
            return static_cast<E>(i);
    return fallback;
}

template <class E, std::size_t N> QString wordOf(E e, const char *const (&words)[N])
{
    return QString::fromLatin1(words[static_cast<std::size_t>(e)]);
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
    if (!ini.readString(UnitsSection, QStringLiteral("Vitesse"), QString()).isEmpty()) {
        units::Choice c;
        c.speed = unitOf(ini, "Vitesse", SpeedWords, c.speed);
        c.torque = unitOf(ini, "Couple", TorqueWords, c.torque);
        c.power = unitOf(ini, "Puissance", PowerWords, c.power);
        c.mass = unitOf(ini, "Masse", MassWords, c.mass);
        o.units = c;
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
    if (o.units) {
        ini.writeString(UnitsSection, QStringLiteral("Vitesse"), wordOf(o.units->speed, SpeedWords));
        ini.writeString(UnitsSection, QStringLiteral("Couple"), wordOf(o.units->torque, TorqueWords));
        ini.writeString(UnitsSection, QStringLiteral("Puissance"), wordOf(o.units->power, PowerWords));
        ini.writeString(UnitsSection, QStringLiteral("Masse"), wordOf(o.units->mass, MassWords));
    }
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

    QMenu *u = m->addMenu(QMenu::tr("&Unités"));
    u->setObjectName(QStringLiteral("Unites1"));
    // One exclusive group per quantity; each entry sets its member of the
    // current choice.
    std::vector<std::pair<QAction *, std::function<bool(const units::Choice &)>>> checks;
    auto group = [&](const QString &heading) {
        u->addSection(heading);
        auto *g = new QActionGroup(u);
        g->setExclusive(true);
        return g;
    };
    auto entry = [&](QActionGroup *g, const char *name, const QString &text, auto member, auto value) {
        QAction *a = u->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        a->setCheckable(true);
        g->addAction(a);
        QObject::connect(a, &QAction::triggered, a, [member, value] {
            units::Choice c = currentUnits();
            c.*member = value;
            setCurrentUnits(c);
        });
        checks.emplace_back(a, [member, value](const units::Choice &c) { return c.*member == value; });
    };
    // Torque, power and mass are the Performances window's; the headings
    // stay short so that the menu is as wide as its entries.
    using units::Choice;
    QActionGroup *speed = group(QMenu::tr("Vitesse"));
    entry(speed, "UniteKmh", QMenu::tr("km/h"), &Choice::speed, units::Speed::Kmh);
    entry(speed, "UniteMph", QMenu::tr("mph"), &Choice::speed, units::Speed::Mph);
    QActionGroup *torque = group(QMenu::tr("Couple"));
    entry(torque, "UniteNm", QMenu::tr("Nm"), &Choice::torque, units::Torque::Nm);
    entry(torque, "UniteLbft", QMenu::tr("lb-ft"), &Choice::torque, units::Torque::LbFt);
    QActionGroup *power = group(QMenu::tr("Puissance"));
    entry(power, "UniteKW", QMenu::tr("kW"), &Choice::power, units::Power::KW);
    entry(power, "UniteCh", QMenu::tr("ch"), &Choice::power, units::Power::Ch);
    entry(power, "UniteHp", QMenu::tr("hp"), &Choice::power, units::Power::Hp);
    QActionGroup *mass = group(QMenu::tr("Masse"));
    entry(mass, "UniteKg", QMenu::tr("kg"), &Choice::mass, units::Mass::Kg);
    entry(mass, "UniteLb", QMenu::tr("lb"), &Choice::mass, units::Mass::Lb);

    auto showChecks = [checks] {
        for (const auto &[a, isOn] : checks)
            a->setChecked(isOn(currentUnits()));
    };
    showChecks();
    QObject::connect(&unitsHub(), &UnitsHub::changed, u, showChecks);
    return m;
}

} // namespace trovanta::ui

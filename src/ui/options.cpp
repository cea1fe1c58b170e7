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
#include <type_traits>
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

const QString LanguageSection = QStringLiteral("Langue");
// The words options.ini keeps for each choice, in the order of the enum.
const char *const LanguageWords[] = {"Systeme", "Original", "Francais", "Deutsch", "English"};

template <class E, std::size_t N>
E unitOf(const files::SettingsReader &ini, const char *key, const char *const (&words)[N], E fallback)
{
    const QString section = std::is_same_v<E, Language> ? LanguageSection : UnitsSection;
    const QString w = ini.readString(section, QString::fromLatin1(key), QString());
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
    o.language = unitOf(ini, "Choix", LanguageWords, Language::System);
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
    ini.writeString(LanguageSection, QStringLiteral("Choix"), wordOf(o.language, LanguageWords));
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

QMenu *addOptionsMenu(QMenuBar *bar, std::function<void(Language)> languageChosen)
{
    QMenu *m = bar->addMenu(QString());
    m->setObjectName(QStringLiteral("Options1"));
    keepTitle(m, tx("Options", "&Options"));

    QMenu *u = m->addMenu(QString());
    u->setObjectName(QStringLiteral("Unites1"));
    keepTitle(u, tx("Options", "&Unités"));
    // One exclusive group per quantity; each entry sets its member of the
    // current choice.
    std::vector<std::pair<QAction *, std::function<bool(const units::Choice &)>>> checks;
    auto group = [&](const Source &heading) {
        QAction *section = u->addSection(QString());
        keepText(section, heading);
        auto *g = new QActionGroup(u);
        g->setExclusive(true);
        return g;
    };
    auto entry = [&](QActionGroup *g, const char *name, const Source &text, auto member, auto value) {
        QAction *a = u->addAction(QString());
        keepText(a, text);
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
    QActionGroup *speed = group(tx("Options", "Vitesse"));
    entry(speed, "UniteKmh", tx("Options", "km/h"), &Choice::speed, units::Speed::Kmh);
    entry(speed, "UniteMph", tx("Options", "mph"), &Choice::speed, units::Speed::Mph);
    QActionGroup *torque = group(tx("Options", "Couple"));
    entry(torque, "UniteNm", tx("Options", "Nm"), &Choice::torque, units::Torque::Nm);
    entry(torque, "UniteLbft", tx("Options", "lb-ft"), &Choice::torque, units::Torque::LbFt);
    QActionGroup *power = group(tx("Options", "Puissance"));
    entry(power, "UniteKW", tx("Options", "kW"), &Choice::power, units::Power::KW);
    entry(power, "UniteCh", tx("Options", "ch"), &Choice::power, units::Power::Ch);
    entry(power, "UniteHp", tx("Options", "hp"), &Choice::power, units::Power::Hp);
    QActionGroup *mass = group(tx("Options", "Masse"));
    entry(mass, "UniteKg", tx("Options", "kg"), &Choice::mass, units::Mass::Kg);
    entry(mass, "UniteLb", tx("Options", "lb"), &Choice::mass, units::Mass::Lb);

    auto showChecks = [checks] {
        for (const auto &[a, isOn] : checks)
            a->setChecked(isOn(currentUnits()));
    };
    showChecks();
    QObject::connect(&unitsHub(), &UnitsHub::changed, u, showChecks);

    // Each choice is named in its own language, whatever the one shown.
    QMenu *l = m->addMenu(QStringLiteral("&Langue / Language"));
    l->setObjectName(QStringLiteral("Langue1"));
    auto *languages = new QActionGroup(l);
    languages->setExclusive(true);
    const std::pair<const char *, Language> choices[] = {
        {"LangueSysteme", Language::System},   {"LangueOriginal", Language::Original},
        {"LangueFrancais", Language::French},  {"LangueDeutsch", Language::German},
        {"LangueEnglish", Language::English},
    };
    const char *const names[] = {"Système / System", "Original", "Français", "Deutsch", "English"};
    for (std::size_t i = 0; i < std::size(choices); ++i) {
        const auto [name, language] = choices[i];
        QAction *a = l->addAction(QString::fromUtf8(names[i]));
        a->setObjectName(QString::fromLatin1(name));
        a->setCheckable(true);
        a->setChecked(language == currentLanguage());
        languages->addAction(a);
        QObject::connect(a, &QAction::triggered, a, [language = language, languageChosen] {
            setLanguage(language);
            if (languageChosen)
                languageChosen(language);
        });
        QObject::connect(&languageHub(), &LanguageHub::changed, a,
                         [a, language = language] { a->setChecked(language == currentLanguage()); });
    }
    return m;
}

} // namespace trovanta::ui

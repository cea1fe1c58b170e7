// The INI text layer on bytes: what a lookup finds and what a write changes.
#include "files/profiletext.h"
#include "support/profile_oracle.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <vector>

using namespace trovanta::files;
using trovanta::test::profile::findValue;
using trovanta::test::profile::withEntry;

namespace {

QString u(const char *utf8) { return QString::fromUtf8(utf8); }

struct Lookup {
    const char *name;
    QByteArray file;
    const char *section;
    const char *key;
    std::optional<QByteArray> expected;
};

struct Write {
    const char *name;
    QByteArray before;
    const char *section;
    const char *key;
    const char *value; // UTF-8
    QByteArray after;
};

} // namespace

TEST(ProfileText, LookupFindsWhatAHandEditedFileMeans)
{
    const std::vector<Lookup> cases = {
        {"crlf", "[A]\r\nk=v\r\n", "A", "k", QByteArray("v")},
        {"lf", "[A]\nk=v\n", "A", "k", QByteArray("v")},
        {"cr", "[A]\rk=v\r", "A", "k", QByteArray("v")},
        {"no line end at the end", "[A]\r\nk=v", "A", "k", QByteArray("v")},
        {"case of section and key", "[hinterrad]\nFELGE=18\n", "Hinterrad", "Felge", QByteArray("18")},
        {"blanks around names, value as written", "  [ Hinterrad ]  \n\t Felge  = 18 \n", "Hinterrad",
         "Felge", QByteArray(" 18 ")},
        {"wanted names are trimmed too", "[A]\nk=v\n", " A ", "k\t", QByteArray("v")},
        {"quotes stay", "[A]\nk=\"x\"\n", "A", "k", QByteArray("\"x\"")},
        {"empty key", "[Ergebnis]\n=Kette 108\n", "Ergebnis", "", QByteArray("Kette 108")},
        {"empty value is present", "[A]\nk=\n", "A", "k", QByteArray("")},
        {"value holds =", "[A]\nk=a=b\n", "A", "k", QByteArray("a=b")},
        {"missing key", "[A]\nk=v\n", "A", "x", std::nullopt},
        {"missing section", "[A]\nk=v\n", "B", "k", std::nullopt},
        {"key of another section", "[A]\nk=1\n[B]\nx=2\n", "B", "k", std::nullopt},
        {"before any section", "k=v\n[A]\n", "A", "k", std::nullopt},
        {"comment is no entry", "[A]\n; k=v\n", "A", "k", std::nullopt},
        {"comment after blanks", "[A]\n  ;k=v\n", "A", ";k", std::nullopt},
        {"line without = is no entry", "[A]\nk\n", "A", "k", std::nullopt},
        {"head without ] is no head", "[A]\n[broken\nk=2\n", "A", "k", QByteArray("2")},
        {"] inside a section name", "[a]b]\nk=1\n", "a]b", "k", QByteArray("1")},
        {"first of two keys", "[A]\nk=1\nK=2\n", "A", "k", QByteArray("1")},
        {"section given twice", "[A]\nx=1\n[B]\ny=2\n[a]\nk=3\n", "A", "k", QByteArray("3")},
        {"prefix of a name is not the name", "[A]\nkey=1\n", "A", "ke", std::nullopt},
        {"accented key, any case", "[Strecke]\nTemp\xE9rature d air (\xB0""C)=24\n", "Strecke",
         "TEMPÉRATURE D AIR (°C)", QByteArray("24")},
        {"trailing blank of a caption key", "[Strecke]\nNom: =Hockenheim\n", "Strecke", "Nom: ",
         QByteArray("Hockenheim")},
        {"CR CR LF is two line ends", "[A]\r\r\nk=v\r\n", "A", "k", QByteArray("v")},
    };
    for (const auto &c : cases)
        EXPECT_EQ(findValue(c.file, u(c.section), u(c.key)), c.expected) << c.name;
}

TEST(ProfileText, WriteChangesOnlyItsEntry)
{
    const std::vector<Write> cases = {
        {"new file", "", "A", "k", "v", "[A]\r\nk=v\r\n"},
        {"replace keeps the line end", "[A]\nk=old\nz=1\n", "A", "k", "new", "[A]\nk=new\nz=1\n"},
        {"replace with CR line ends", "[A]\rk=1\rz=2", "A", "k", "9", "[A]\rk=9\rz=2"},
        {"replace writes the key as given", "[hinterrad]\r\n  felge = 17\r\n", "Hinterrad", "Felge",
         "18", "[hinterrad]\r\nFelge=18\r\n"},
        {"replace the last line", "[A]\nk=1", "A", "k", "2", "[A]\nk=2"},
        {"new key after the last line of its section",
         "[A]\r\nk=1\r\n\r\n[B]\r\nx=2\r\n", "A", "n", "3",
         "[A]\r\nk=1\r\nn=3\r\n\r\n[B]\r\nx=2\r\n"},
        {"new key after a comment of its section", "[A]\nk=1\n; note\n[B]\n", "A", "n", "3",
         "[A]\nk=1\n; note\nn=3\r\n[B]\n"},
        {"new key in an empty section", "[A]\n\n[B]\n", "A", "n", "3", "[A]\nn=3\r\n\n[B]\n"},
        {"new key into an unterminated last line", "[A]\nk=1", "A", "n", "3", "[A]\nk=1\r\nn=3\r\n"},
        {"new key into the first of two sections", "[A]\nk=1\n[B]\n[A]\nz=2\n", "A", "n", "3",
         "[A]\nk=1\nn=3\r\n[B]\n[A]\nz=2\n"},
        {"new section at the end", "[A]\r\nk=1\r\n", "B", "x", "2", "[A]\r\nk=1\r\n[B]\r\nx=2\r\n"},
        {"new section after an unterminated line", "[A]\nk=1", "B", "x", "2",
         "[A]\nk=1\r\n[B]\r\nx=2\r\n"},
        {"entries before any section stay there", "x=0\n", "A", "x", "1", "x=0\n[A]\r\nx=1\r\n"},
        {"empty key", "", "Ergebnis", "", "a b ", "[Ergebnis]\r\n=a b \r\n"},
        {"empty value", "[A]\nk=1\n", "A", "k", "", "[A]\nk=\n"},
        {"line breaks become blanks", "", "A", "k", "a\r\nb\nc\rd", "[A]\r\nk=a b c d\r\n"},
        {"Windows-1252 and ?", "", "Strecke", "Température d air (°C)", "24° ł€",
         "[Strecke]\r\nTemp\xE9rature d air (\xB0""C)=24\xB0 ?\x80\r\n"},
        {"hand-added lines survive",
         "; meine Notizen\r\n[Hinterrad]\r\nFelge=17\r\nReifen=Pirelli\r\n[Notizen]\r\nneue Kette\r\n",
         "Hinterrad", "Felge", "18",
         "; meine Notizen\r\n[Hinterrad]\r\nFelge=18\r\nReifen=Pirelli\r\n[Notizen]\r\nneue Kette\r\n"},
    };
    for (const auto &c : cases) {
        const auto out = withEntry(c.before, u(c.section), u(c.key), u(c.value));
        ASSERT_TRUE(out.has_value()) << c.name;
        EXPECT_EQ(out->toStdString(), c.after.toStdString()) << c.name;
    }
}

TEST(ProfileText, NamesThatWouldReadBackAsSomethingElseAreRefused)
{
    const QByteArray file = "[A]\r\nk=1\r\n";
    for (const char *key : {"a=b", "=", "[x]", "[x", ";c", "  ;c", " [x]"})
        EXPECT_FALSE(withEntry(file, "A", u(key), "v").has_value()) << key;
    // These are fine: "]" and "[" inside names, blanks around them.
    for (const char *section : {"a]b", "[a]", " A "}) {
        const auto out = withEntry(file, u(section), "k", "v");
        ASSERT_TRUE(out.has_value()) << section;
        EXPECT_EQ(findValue(*out, u(section), "k"), QByteArray("v")) << section;
    }
    for (const char *key : {"a]b", "x[", "Nom: ", "a;b"}) {
        const auto out = withEntry(file, "A", u(key), "v");
        ASSERT_TRUE(out.has_value()) << key;
        EXPECT_EQ(findValue(*out, "A", u(key)), QByteArray("v")) << key;
    }
}

TEST(ProfileText, EveryWrittenEntryReadsBackUnderItsNames)
{
    // The entries of the three settings files that are awkward in some way,
    // written one after another into a file with hand-made lines.
    const std::vector<std::pair<const char *, const char *>> names = {
        {"Programm", ""},
        {"Strecke", "Nom: "},
        {"Strecke", "Température d air (°C)"},
        {"Strecke", "Température de piste(°C)"},
        {"Motor", "Eeprom "},
        {"Motor", "Filtre à air"},
        {"Uebersetzung", "Pignon "},
        {"Uebersetzung Gaenge", "Gang1"},
        {"Antrieb alt", "aktuelle Kettenlaenge"},
        {"Sonstiges", ""},
    };
    QByteArray file = "; von Hand\n[Sonstiges]\nalt=1\n\n[Fremd]\nx=y\n";
    int n = 0;
    for (const auto &[s, k] : names)
        file = *withEntry(file, u(s), u(k), QStringLiteral("wert %1 ").arg(++n));
    n = 0;
    for (const auto &[s, k] : names)
        EXPECT_EQ(findValue(file, u(s), u(k)), QStringLiteral("wert %1 ").arg(++n).toLatin1())
            << s << "/" << k;
    EXPECT_EQ(findValue(file, "Fremd", "x"), QByteArray("y"));
    EXPECT_EQ(findValue(file, "Sonstiges", "alt"), QByteArray("1"));
    EXPECT_TRUE(file.startsWith("; von Hand\n[Sonstiges]\nalt=1\n"));
}

TEST(ProfileText, SwitchValues)
{
    const std::vector<std::pair<const char *, std::optional<qint64>>> cases = {
        {"0", 0},
        {"1", 1},
        {"-1", -1},
        {"+5", 5},
        {"007", 7},
        {" 1 ", 1},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483648LL},
        {"2147483648", std::nullopt},
        {"0x0", 0},
        {"0X1f", 31},
        {"0xFFFFFFFF", 0xFFFFFFFFLL},
        {"0x100000000", std::nullopt},
        {"0x", std::nullopt},
        {"0xg", std::nullopt},
        {"$1F", 31},
        {"$0", 0},
        {"$", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"ja", std::nullopt},
        {"1.0", std::nullopt},
        {"1 2", std::nullopt},
        {"-", std::nullopt},
        {"-0x1", std::nullopt},
    };
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(profiletext::parseSwitch(u(text)), expected) << '"' << text << '"';
}

// A document read once must give byte for byte what looking up and writing
// entry by entry gives, on every kind of hand-edited file: duplicate
// sections, names in other case and with blanks, comments, entries before
// any section, every line end, an unterminated last line.
TEST(ProfileText, DocumentMatchesEntryByEntry)
{
    const std::vector<QByteArray> pieces = {
        "[A]", "[ a ]", "[B]", "[b]", "[Ä]", "[ä]", "k=1", " K = 2", "k2=x", "=leer", "; Notiz", "frei", "", " ",
        "[A", "x=y=z", "\xE4=u"};
    const std::vector<QByteArray> ends = {"\r\n", "\n", "\r", ""};
    const std::vector<const char *> names = {"A", "a", "B", "C", "ä", "Ä"};
    const std::vector<const char *> keys = {"k", "K", "k2", "", "neu", "x", "ä", "k=1", "[k"};
    std::mt19937 rng(20261208);
    auto pick = [&](auto &v) -> decltype(auto) { return v[rng() % v.size()]; };
    for (int round = 0; round < 3000; ++round) {
        QByteArray file;
        const int lines = static_cast<int>(rng() % 9);
        for (int i = 0; i < lines; ++i)
            file += pick(pieces) + pick(ends); // an empty end joins two pieces into one line
        profiletext::Document doc(file);
        QByteArray expected = file;
        for (int w = 0; w < 6; ++w) {
            const QString s = u(pick(names)), k = u(pick(keys)), v = QString::number(rng() % 100);
            ASSERT_EQ(doc.find(s, k), findValue(expected, s, k)) << file.toStdString();
            const auto next = withEntry(expected, s, k, v);
            ASSERT_EQ(doc.set(s, k, v), next.has_value()) << k.toStdString();
            if (next)
                expected = *next;
            ASSERT_EQ(doc.bytes(), expected) << "round " << round << " from " << file.toStdString();
        }
    }
}

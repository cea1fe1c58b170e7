// A child writes the settings files in a loop and is killed with SIGKILL at
// a random moment, a few hundred times over the same files. Every file on
// disk must always be a state the writer can leave: one whole version of
// the file, every entry in it, nothing torn, lost or mixed with the other
// version. TROVANTA_KILL_SEED replays a run.

#include "crash/settings_versions.h"

#include "files/cp1252.h"
#include "files/geardata.h"
#include "files/profiletext.h"
#include "support/profile_oracle.h"
#include "support/files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <random>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

using namespace trovanta;

namespace {

constexpr int Trials = 500;
constexpr quint32 DefaultSeed = 4711;

// The file after the writer put entries 0 .. versions.size() - 1 into an
// empty file, each in the version given. Later writes replace entries where
// they stand, so every state the writer leaves is one of these.
QByteArray built(const crash::SettingsFile &f, const std::vector<int> &versions)
{
    QByteArray b;
    for (std::size_t i = 0; i < versions.size(); ++i)
        b = *trovanta::test::profile::withEntry(b, f.entries[i].section, f.entries[i].key, f.value(versions[i], i));
    return b;
}

// What is wrong with the file, or nothing.
std::string judge(const crash::SettingsFile &f, const QByteArray &bytes)
{
    std::vector<int> versions;
    for (std::size_t i = 0; i < f.entries.size(); ++i) {
        const auto v = trovanta::test::profile::findValue(bytes, f.entries[i].section, f.entries[i].key);
        if (!v)
            break;
        if (*v == files::cp1252::encode(f.value(0, i)))
            versions.push_back(0);
        else if (*v == files::cp1252::encode(f.value(1, i)))
            versions.push_back(1);
        else
            return "entry " + std::to_string(i) + " is neither version: " + v->left(80).toStdString();
    }
    // A save is one replace: every entry there, all of one version.
    if (versions.size() != f.entries.size() ||
        std::count(versions.begin(), versions.end(), versions.front()) != qsizetype(versions.size()))
        return "not one whole version";
    if (built(f, versions) != bytes)
        return "not byte for byte what the writer leaves (" + std::to_string(versions.size()) + " entries found)";
    return {};
}

pid_t spawnWriter(const QString &dir, int firstVersion, int &readyFd)
{
    int out[2];
    if (::pipe(out) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    const QByteArray d = QFile::encodeName(dir), v = QByteArray::number(firstVersion);
    char *const argv[] = {const_cast<char *>(TROVANTA_SETTINGS_WRITER), const_cast<char *>(d.constData()),
                          const_cast<char *>(v.constData()), nullptr};
    pid_t pid = -1;
    if (posix_spawn(&pid, TROVANTA_SETTINGS_WRITER, &actions, nullptr, argv, environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    readyFd = out[0];
    return pid;
}

} // namespace

TEST(CrashSafeSettings, AWriterKilledAtAnyMomentLeavesEveryFileWhole)
{
    const quint32 seed = qEnvironmentVariableIsSet("TROVANTA_KILL_SEED")
                             ? qEnvironmentVariable("TROVANTA_KILL_SEED").toUInt()
                             : DefaultSeed;
    std::printf("[kill] seed %u (TROVANTA_KILL_SEED=%u replays)\n", seed, seed);
    std::mt19937 rng(seed);
    QTemporaryDir dir;
    const auto settings = crash::settingsFiles();
    std::vector<bool> seen(settings.size(), false);
    // Temporary files of a writer that still runs (process 1 always does),
    // and a file that only looks like one, are never taken away.
    const QStringList kept = {".trovanta-1-0.tmp", ".trovanta-x-0.tmp"};
    for (const QString &k : kept)
        test::writeBytes(dir.filePath(k), "busy");

    for (int trial = 0; trial < Trials; ++trial) {
        SCOPED_TRACE("seed " + std::to_string(seed) + ", trial " + std::to_string(trial));
        int ready = -1;
        const pid_t child = spawnWriter(dir.path(), trial & 1, ready);
        ASSERT_GT(child, 0);
        char c = 0;
        ssize_t n;
        while ((n = ::read(ready, &c, 1)) < 0 && errno == EINTR) {
        }
        ::close(ready);
        ASSERT_EQ(n, 1) << "the writer did not start";
        // Anywhere within its first rounds of writing.
        ::usleep(rng() % 20000);
        ::kill(child, SIGKILL);
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
            << "the writer ended by itself, status " << status;

        for (std::size_t i = 0; i < settings.size(); ++i) {
            const QString path = dir.filePath(settings[i].name);
            if (!QFile::exists(path)) {
                ASSERT_FALSE(seen[i]) << settings[i].name.toStdString() << " vanished";
                continue;
            }
            seen[i] = true;
            const QByteArray bytes = test::readBytes(path);
            const std::string wrong = judge(settings[i], bytes);
            ASSERT_EQ(wrong, "") << settings[i].name.toStdString();
        }
        const QString gear = dir.filePath(crash::GearFileName);
        if (QFile::exists(gear)) {
            const files::DecodedGear g = files::readGearFile(gear);
            ASSERT_TRUE(g.complete && (g.record == crash::gearVersion(0) || g.record == crash::gearVersion(1)))
                << "the gear data file is no whole version";
        }
    }
    QStringList names = {crash::GearFileName};
    for (const auto &f : settings)
        names << f.name;
    std::printf("[kill] %d trials, %d temporary files left by killed writers\n", Trials,
                int(test::strayFiles(dir.path(), names + kept).size()));
    // The next write clears up after the killed writers.
    trovanta::test::ProfileFile(dir.filePath("Trovanta.ini")).writeString("Program", "Inifile", "Trovanta");
    EXPECT_EQ(test::strayFiles(dir.path(), names).join(' ').toStdString(), kept.join(' ').toStdString());
}

// A bounded, deterministic run of the fuzz checks: the committed seeds, then
// a fixed number of mutations of them. The full fuzzing is `make fuzz`.
#include "../../fuzz/dyno_target.h"
#include "../../fuzz/logger_target.h"
#include "../../fuzz/targets.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using Check = std::function<std::string(const std::uint8_t *, std::size_t)>;

QString corpusDir(const char *name)
{
    return QString::fromUtf8(TROVANTA_SOURCE_DIR) + "/fuzz/corpus/" + name;
}

std::vector<QByteArray> seeds(const char *name)
{
    std::vector<QByteArray> out;
    const QDir dir(corpusDir(name));
    for (const QString &f : dir.entryList(QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(f));
        if (file.open(QIODevice::ReadOnly))
            out.push_back(file.readAll());
    }
    return out;
}

// Mutations in the manner of libFuzzer's, with the bytes that matter here.
QByteArray mutate(QByteArray b, const std::vector<QByteArray> &pool, trovanta::fuzz::detail::Rng &rng)
{
    static const QByteArray interesting[] = {"[", "]", "=", "\r", "\n", "\r\n", ";", " ", "\t",
                                             "\xB0", "\xE9", "\x80", "\x81", "0x", "$", "\0"};
    const int steps = 1 + static_cast<int>(rng.below(4));
    for (int s = 0; s < steps; ++s) {
        const auto at = static_cast<qsizetype>(rng.below(static_cast<std::size_t>(b.size()) + 1));
        switch (rng.below(6)) {
        case 0: // flip a byte
            if (!b.isEmpty())
                b[at % b.size()] = static_cast<char>(rng.next());
            break;
        case 1: // insert a meaningful byte
            b.insert(at, interesting[rng.below(std::size(interesting))]);
            break;
        case 2: // drop a range
            b.remove(at, static_cast<qsizetype>(rng.below(16)));
            break;
        case 3: // repeat a range
            b.insert(at, b.mid(at, static_cast<qsizetype>(rng.below(32))));
            break;
        case 4: { // splice in part of another seed
            const QByteArray &o = pool[rng.below(pool.size())];
            b.insert(at, o.mid(static_cast<qsizetype>(rng.below(static_cast<std::size_t>(o.size()) + 1)),
                               static_cast<qsizetype>(rng.below(64))));
            break;
        }
        default: // cut the end
            b.truncate(at);
            break;
        }
    }
    return b.left(8192);
}

void replay(const char *corpus, const Check &check, int mutations)
{
    const auto pool = seeds(corpus);
    ASSERT_FALSE(pool.empty()) << "no seeds in " << corpusDir(corpus).toStdString();
    auto run = [&](const QByteArray &input) {
        const std::string err =
            check(reinterpret_cast<const std::uint8_t *>(input.constData()), std::size_t(input.size()));
        ASSERT_EQ(err, "") << "input (hex): " << input.toHex().toStdString();
    };
    run(QByteArray());
    for (const auto &s : pool)
        run(s);
    trovanta::fuzz::detail::Rng rng{0x9E3779B97F4A7C15ull};
    for (int i = 0; i < mutations; ++i) {
        run(mutate(pool[rng.below(pool.size())], pool, rng));
        if (::testing::Test::HasFatalFailure())
            return;
    }
}

} // namespace

TEST(FuzzReplay, ProfileText) { replay("profile", trovanta::fuzz::checkProfile, 3000); }

TEST(FuzzReplay, IniReader) { replay("ini", trovanta::fuzz::checkIniReader, 5000); }

TEST(FuzzReplay, GearRecord) { replay("gear", trovanta::fuzz::checkGear, 5000); }

TEST(FuzzReplay, LoggerExport) { replay("logger", trovanta::fuzz::checkLogger, 3000); }

TEST(FuzzReplay, DynoExport) { replay("dyno", trovanta::fuzz::checkDyno, 3000); }

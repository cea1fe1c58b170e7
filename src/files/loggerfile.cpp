#include "files/loggerfile.h"

#include "files/cp1252.h"
#include "files/fileerror.h"

#include "calc/error.h"
#include "calc/numtext.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace trovanta::files {

namespace {

constexpr const char *EngineWords[] = {"rpm", "engine speed", "régime", "regime", "drehzahl", "tr/min"};
constexpr const char *SpeedWords[] = {"speed", "vitesse", "geschwindigkeit", "km/h", "kmh", "kph", "mph"};
constexpr char Delimiters[] = {',', ';', '\t'};

template <std::size_t N>
bool containsAny(const QString &lower, const char *const (&words)[N])
{
    for (const char *w : words)
        if (lower.contains(QString::fromUtf8(w)))
            return true;
    return false;
}

// The unit a column name or a units cell names, if any. "kmph" is km/h,
// not mph.
std::optional<SpeedUnit> unitIn(const QString &lower)
{
    for (const char *w : {"km/h", "kmh", "kph", "kmph"})
        if (lower.contains(QLatin1String(w)))
            return SpeedUnit::Kmh;
    if (lower.contains(QLatin1String("mph")))
        return SpeedUnit::Mph;
    if (lower.contains(QLatin1String("m/s")))
        return SpeedUnit::MetresPerSecond;
    return std::nullopt;
}

double factorOf(SpeedUnit u)
{
    switch (u) {
    case SpeedUnit::Mph:
        return 1.609344;
    case SpeedUnit::MetresPerSecond:
        return 3.6;
    case SpeedUnit::Kmh:
        break;
    }
    return 1;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

QByteArrayView trimmed(QByteArrayView s)
{
    while (!s.isEmpty() && isBlank(s.front()))
        s = s.sliced(1);
    while (!s.isEmpty() && isBlank(s.back()))
        s.chop(1);
    return s;
}

// A cell without its blanks and the quotes around it.
QByteArrayView cleaned(QByteArrayView cell)
{
    cell = trimmed(cell);
    if (cell.size() >= 2 && cell.front() == '"' && cell.back() == '"')
        cell = trimmed(cell.sliced(1, cell.size() - 2));
    return cell;
}

// Calls f(index, cell) for each cell until it returns false. A delimiter
// between double quotes belongs to the cell.
template <typename F>
void forEachCell(QByteArrayView text, char delimiter, F f)
{
    int index = 0;
    qsizetype from = 0;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"')
            quoted = !quoted;
        else if (c == delimiter && !quoted) {
            if (!f(index++, text.sliced(from, i - from)))
                return;
            from = i + 1;
        }
    }
    f(index, text.sliced(from));
}

bool blankLine(QByteArrayView text) { return trimmed(text).isEmpty(); }

} // namespace

void LoggerParser::feed(QByteArrayView bytes)
{
    const char *const begin = bytes.data();
    const char *const end = begin + bytes.size();
    const char *p = begin;
    if (p < end) {
        if (afterCr_ && *p == '\n')
            ++p;
        afterCr_ = false;
    }
    while (p < end && !missing_) {
        const char *e = p;
        while (e < end && *e != '\n' && *e != '\r')
            ++e;
        const qsizetype n = e - p;
        if (partialOverlong_ || partial_.size() + n > LoggerMaxLine) {
            partial_.clear();
            partialOverlong_ = true;
        } else if (e == end || !partial_.isEmpty()) {
            partial_.append(p, n);
        }
        if (e == end)
            break;

        if (*e == '\r') {
            if (e + 1 < end) {
                if (e[1] == '\n')
                    ++e;
            } else {
                afterCr_ = true;
            }
        }
        pos_ = fed_ + (e + 1 - begin);
        if (partialOverlong_ || !partial_.isEmpty()) {
            line(partial_, partialOverlong_);
            partial_.clear();
            partialOverlong_ = false;
        } else {
            line(QByteArrayView(p, n), false);
        }
        p = e + 1;
    }
    fed_ += bytes.size();
}

LoggerData LoggerParser::finish()
{
    if (!missing_ && (partialOverlong_ || !partial_.isEmpty())) {
        pos_ = fed_;
        line(partial_, partialOverlong_);
        partial_.clear();
        partialOverlong_ = false;
    }
    if (!found_)
        throw Error(msg::NoLoggerColumns);
    return std::move(out_);
}

void LoggerParser::line(QByteArrayView text, bool overlong)
{
    ++lines_;
    if (lines_ == 1 && text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    if (!found_) {
        if (!overlong)
            header(text);
        if (found_)
            out_.headerLine = lines_;
        else if (lines_ >= LoggerHeaderLines)
            missing_ = true;
        return;
    }
    if (!overlong && blankLine(text))
        return;
    if (!unitsChecked_) {
        unitsChecked_ = true;
        if (!overlong && unitsLine(text))
            return;
    }
    ++out_.dataLines;
    if (overlong)
        ++out_.skippedLines;
    else
        data(text);
}

void LoggerParser::header(QByteArrayView text)
{
    // Valid UTF-8 is read as such, anything else as Windows-1252.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    (void)QString(utf8(text));
    const bool isUtf8 = !utf8.hasError();
    auto decode = [&](QByteArrayView b) { return isUtf8 ? QString::fromUtf8(b) : cp1252::decode(b); };

    for (const char delimiter : Delimiters) {
        std::vector<QString> names, lower;
        forEachCell(text, delimiter, [&](int, QByteArrayView cell) {
            names.push_back(decode(cleaned(cell)));
            lower.push_back(names.back().toLower());
            return true;
        });
        std::vector<bool> engine(names.size());
        int engineCell = -1;
        for (std::size_t i = 0; i < names.size(); ++i) {
            engine[i] = containsAny(lower[i], EngineWords);
            if (engine[i] && engineCell < 0)
                engineCell = static_cast<int>(i);
        }
        if (engineCell < 0)
            continue;
        // "Engine speed" holds "speed": no engine-speed cell is the road speed.
        int speedCell = -1;
        bool gps = false;
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (engine[i] || !containsAny(lower[i], SpeedWords))
                continue;
            const bool isGps = lower[i].contains(QLatin1String("gps"));
            if (speedCell < 0 || (isGps && !gps)) {
                speedCell = static_cast<int>(i);
                gps = isGps;
            }
        }
        if (speedCell < 0)
            continue;

        found_ = true;
        engineCell_ = engineCell;
        speedCell_ = speedCell;
        decimalComma_ = delimiter != ',';
        out_.delimiter = delimiter;
        out_.engineColumn = names[static_cast<std::size_t>(engineCell)];
        out_.speedColumn = names[static_cast<std::size_t>(speedCell)];
        if (const auto u = unitIn(lower[static_cast<std::size_t>(speedCell)])) {
            out_.unit = *u;
            out_.unitSource = UnitSource::Name;
        }
        factor_ = factorOf(out_.unit);
        return;
    }
}

bool LoggerParser::cellsOf(QByteArrayView text, QByteArrayView &engine, QByteArrayView &speed) const
{
    const int last = std::max(engineCell_, speedCell_);
    int seen = 0;
    forEachCell(text, out_.delimiter, [&](int i, QByteArrayView cell) {
        if (i == engineCell_)
            engine = cleaned(cell);
        if (i == speedCell_)
            speed = cleaned(cell);
        seen = i + 1;
        return i < last;
    });
    return seen > last;
}

bool LoggerParser::number(QByteArrayView cell, double &value) const
{
    // Most cells are plain digits with a point, which std::from_chars reads
    // as the number text does; the rest take the full reading. Letters stay
    // out of the quick way: from_chars would take "inf" and "nan".
    const char *first = cell.data();
    const char *last = first + cell.size();
    const bool plain = std::all_of(first, last, [](char c) { return (c >= '0' && c <= '9') || c == '.' || c == '-'; });
    if (plain && first != last) {
        const auto r = std::from_chars(first, last, value, std::chars_format::fixed);
        if (r.ec == std::errc() && r.ptr == last)
            return true;
    }
    const std::string_view s(first, static_cast<std::size_t>(cell.size()));
    return num::tryParseDecimal(s, '.', value) || (decimalComma_ && num::tryParseDecimal(s, ',', value));
}

bool LoggerParser::unitsLine(QByteArrayView text)
{
    QByteArrayView engine, speed;
    cellsOf(text, engine, speed);
    double v = 0;
    if (number(engine, v) || number(speed, v))
        return false;
    if (out_.unitSource != UnitSource::Name) {
        const QString lower = cp1252::decode(speed).toLower();
        if (const auto u = unitIn(lower)) {
            out_.unit = *u;
            out_.unitSource = UnitSource::UnitsLine;
            factor_ = factorOf(*u);
        }
    }
    return true;
}

void LoggerParser::data(QByteArrayView text)
{
    QByteArrayView engine, speed;
    double rpm = 0, kmh = 0;
    if (cellsOf(text, engine, speed) && number(engine, rpm) && number(speed, kmh)) {
        kmh *= factor_;
        if (std::isfinite(kmh)) {
            makeRoom();
            out_.samples.push_back({rpm, kmh});
            return;
        }
    }
    ++out_.skippedLines;
}

void LoggerParser::makeRoom()
{
    auto &v = out_.samples;
    if (v.size() < v.capacity())
        return;
    std::size_t want = std::max<std::size_t>(1024, v.size() * 2);
    if (expected_ > 0 && pos_ > 0 && v.size() >= 1024) {
        // Samples per byte so far, over the whole file, with a little to
        // spare; a data line takes at least four bytes ("1,1" and its end).
        const double estimate = double(v.size()) / double(pos_) * double(expected_) * 1.05 + 1024;
        const double most = double(expected_) / 4 + 1;
        want = std::max(v.size() + v.size() / 8 + 1024, std::size_t(std::min(estimate, most)));
    }
    v.reserve(want);
}

namespace {

// Feeds the chunks that `next` brings (an empty one at the end) and reports
// progress after each.
template <typename Next>
std::optional<LoggerData> readChunks(std::int64_t total, const LoggerProgress &progress, Next next)
{
    LoggerParser parser;
    parser.expectBytes(total);
    std::int64_t done = 0;
    while (!parser.headerMissing()) {
        const QByteArrayView chunk = next();
        if (chunk.isEmpty())
            break;
        parser.feed(chunk);
        done += chunk.size();
        if (progress && !progress(done, std::max(total, done)))
            return std::nullopt;
    }
    return parser.finish();
}

struct Fd {
    int fd;
    ~Fd() { ::close(fd); }
};

} // namespace

std::optional<LoggerData> readLoggerFile(const QString &path, const LoggerProgress &progress)
{
    const QByteArray name = QFile::encodeName(path);
    if (name.isEmpty())
        throw fileError(ENOENT);
    if (name.contains('\0'))
        throw fileError(EINVAL);
    int fd;
    do
        fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        throw fileError(errno);
    const Fd guard{fd};
    struct stat st;
    if (::fstat(fd, &st) != 0)
        throw fileError(errno);
    // A FIFO or a device could block or never end.
    if (S_ISDIR(st.st_mode))
        throw fileError(EISDIR);
    if (!S_ISREG(st.st_mode))
        throw fileError(EINVAL);

    const std::unique_ptr<char[]> buffer(new char[LoggerChunk]);
    return readChunks(st.st_size, progress, [&]() -> QByteArrayView {
        for (;;) {
            const ssize_t n = ::read(fd, buffer.get(), LoggerChunk);
            if (n >= 0)
                return QByteArrayView(buffer.get(), n);
            if (errno != EINTR)
                throw fileError(errno);
        }
    });
}

std::optional<LoggerData> readLoggerBytes(QByteArrayView bytes, const LoggerProgress &progress)
{
    qsizetype at = 0;
    return readChunks(bytes.size(), progress, [&] {
        const qsizetype n = std::min(LoggerChunk, bytes.size() - at);
        const QByteArrayView chunk = bytes.sliced(at, n);
        at += n;
        return chunk;
    });
}

} // namespace trovanta::files

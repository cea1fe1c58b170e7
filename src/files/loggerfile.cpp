#include "files/loggerfile.h"

#include "files/cp1252.h"

#include "calc/error.h"

#include <algorithm>
#include <cmath>

namespace trovanta::files {

namespace {

constexpr const char *EngineWords[] = {"rpm", "engine speed", "régime", "regime", "drehzahl", "tr/min"};
constexpr const char *SpeedWords[] = {"speed", "vitesse", "geschwindigkeit", "km/h", "kmh", "kph", "mph"};

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

} // namespace

LoggerData LoggerParser::finish()
{
    reader_.finish();
    if (!reader_.headerFound())
        throw Error(msg::NoLoggerColumns);
    out_.headerLine = reader_.headerLine();
    out_.delimiter = reader_.delimiter();
    return std::move(out_);
}

void LoggerParser::line(QByteArrayView text, bool overlong)
{
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

bool LoggerParser::header(const csv::Header &h)
{
    const auto &lower = h.lower;
    std::vector<bool> engine(lower.size());
    int engineCell = -1;
    for (std::size_t i = 0; i < lower.size(); ++i) {
        engine[i] = containsAny(lower[i], EngineWords);
        if (engine[i] && engineCell < 0)
            engineCell = static_cast<int>(i);
    }
    if (engineCell < 0)
        return false;
    // "Engine speed" holds "speed": no engine-speed cell is the road speed.
    int speedCell = -1;
    bool gps = false;
    for (std::size_t i = 0; i < lower.size(); ++i) {
        if (engine[i] || !containsAny(lower[i], SpeedWords))
            continue;
        const bool isGps = lower[i].contains(QLatin1String("gps"));
        if (speedCell < 0 || (isGps && !gps)) {
            speedCell = static_cast<int>(i);
            gps = isGps;
        }
    }
    if (speedCell < 0)
        return false;

    engineCell_ = engineCell;
    speedCell_ = speedCell;
    decimalComma_ = h.delimiter != ',';
    out_.engineColumn = h.names[static_cast<std::size_t>(engineCell)];
    out_.speedColumn = h.names[static_cast<std::size_t>(speedCell)];
    if (const auto u = unitIn(lower[static_cast<std::size_t>(speedCell)])) {
        out_.unit = *u;
        out_.unitSource = UnitSource::Name;
    }
    factor_ = factorOf(out_.unit);
    return true;
}

bool LoggerParser::unitsLine(QByteArrayView text)
{
    QByteArrayView engine, speed;
    csv::twoCells(text, reader_.delimiter(), engineCell_, speedCell_, engine, speed);
    double v = 0;
    if (csv::number(engine, decimalComma_, v) || csv::number(speed, decimalComma_, v))
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
    if (csv::twoCells(text, reader_.delimiter(), engineCell_, speedCell_, engine, speed) &&
        csv::number(engine, decimalComma_, rpm) && csv::number(speed, decimalComma_, kmh)) {
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
    const double expected = double(reader_.expected()), pos = double(reader_.position());
    if (expected > 0 && pos > 0 && v.size() >= 1024) {
        // Samples per byte so far, over the whole file, with a little to
        // spare; a data line takes at least four bytes ("1,1" and its end).
        const double estimate = double(v.size()) / pos * expected * 1.05 + 1024;
        const double most = expected / 4 + 1;
        want = std::max(v.size() + v.size() / 8 + 1024, std::size_t(std::min(estimate, most)));
    }
    v.reserve(want);
}

std::optional<LoggerData> readLoggerFile(const QString &path, const LoggerProgress &progress)
{
    LoggerParser parser;
    if (!csv::feedFile(path, parser.reader_, progress))
        return std::nullopt;
    return parser.finish();
}

std::optional<LoggerData> readLoggerBytes(QByteArrayView bytes, const LoggerProgress &progress)
{
    LoggerParser parser;
    if (!csv::feedBytes(bytes, parser.reader_, progress))
        return std::nullopt;
    return parser.finish();
}

} // namespace trovanta::files

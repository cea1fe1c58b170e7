#pragma once
// The check behind the logger export fuzz target, shared with the bounded
// replay in the tests: reading never fails but for the missing header, any
// split of the bytes and the same text in UTF-16 read the same, the counts
// add up, and the fit takes whatever was read. Returns an empty text when the input behaved.

#include "text_variants.h"

#include "files/loggerfile.h"

#include "calc/calibration.h"
#include "calc/error.h"
#include "calc/gearset.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace trovanta::fuzz {

namespace detail {

inline std::string sameReading(const files::LoggerData &a, const files::LoggerData &b)
{
    if (a.dataLines != b.dataLines || a.skippedLines != b.skippedLines || a.headerLine != b.headerLine ||
        a.delimiter != b.delimiter || a.engineColumn != b.engineColumn || a.speedColumn != b.speedColumn ||
        a.unit != b.unit || a.unitSource != b.unitSource || a.samples.size() != b.samples.size())
        return "a split of the bytes reads differently";
    for (std::size_t i = 0; i < a.samples.size(); ++i)
        if (a.samples[i].rpm != b.samples[i].rpm || a.samples[i].kmh != b.samples[i].kmh)
            return "a split of the bytes reads other samples";
    return {};
}

// The bytes fed in pieces whose lengths come from the bytes themselves.
inline std::optional<files::LoggerData> readInPieces(QByteArrayView bytes)
{
    files::LoggerParser p;
    std::uint64_t h = 1469598103934665603ull;
    for (qsizetype at = 0; at < bytes.size();) {
        h = (h ^ static_cast<unsigned char>(bytes[at])) * 1099511628211ull;
        const qsizetype n = std::min<qsizetype>(1 + static_cast<qsizetype>(h % 7), bytes.size() - at);
        p.feed(bytes.sliced(at, n));
        at += n;
    }
    try {
        return p.finish();
    } catch (const Error &) {
        return std::nullopt;
    }
}

} // namespace detail

inline std::string checkLogger(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    std::optional<files::LoggerData> d;
    try {
        d = files::readLoggerBytes(bytes);
    } catch (const Error &e) {
        if (e.message() != files::msg::NoLoggerColumns)
            return "unexpected message: " + e.message();
    }
    const auto pieces = detail::readInPieces(bytes);
    if (d.has_value() != pieces.has_value())
        return "a split of the bytes finds another header";
    for (const QByteArray &variant : detail::utf16Variants(bytes)) {
        std::optional<files::LoggerData> v;
        try {
            v = files::readLoggerBytes(variant);
        } catch (const Error &) {
        }
        if (d.has_value() != v.has_value() || (d && !detail::sameReading(*d, *v).empty()))
            return "the text in UTF-16 reads differently";
    }
    if (!d)
        return {};
    if (auto err = detail::sameReading(*d, *pieces); !err.empty())
        return err;

    if (d->headerLine < 1 || d->headerLine > files::LoggerHeaderLines)
        return "header beyond line 200";
    if (d->skippedLines < 0 || static_cast<std::int64_t>(d->samples.size()) + d->skippedLines != d->dataLines)
        return "samples and skipped lines do not add up to the data lines";
    for (const auto &s : d->samples)
        if (!std::isfinite(s.rpm) || !std::isfinite(s.kmh))
            return "a sample that is no finite number";

    try {
        const auto fit = calibration::fitLogger(d->samples, gearing::derive(gearing::GearSet{}));
        std::int64_t used = 0;
        for (const auto &g : fit.gears)
            used += g.pass2;
        if (used != fit.samplesUsed || used > static_cast<std::int64_t>(d->samples.size()))
            return "fit counts do not add up";
        if (!(fit.circumference > 0) || !std::isfinite(static_cast<double>(fit.circumference)))
            return "fit gives no circumference";
    } catch (const Error &e) {
        if (e.message() != calibration::msg::NotEnoughPoints)
            return "unexpected fit message: " + e.message();
    }
    return {};
}

} // namespace trovanta::fuzz

#pragma once
// The check behind the dyno export fuzz target, shared with the bounded
// replay in the tests: reading fails only with a DynoError, any split of the
// bytes and the same text in UTF-16 read the same, the counts add up and the
// points make a curve. Returns an empty text when the input behaved.

#include "text_variants.h"

#include "files/dynofile.h"

#include "calc/error.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace trovanta::fuzz {

namespace detail {

struct DynoOutcome {
    std::optional<files::DynoData> data;
    files::DynoFault fault = files::DynoFault::NoColumns;
    QString unit;
    std::string unexpected; // a failure that is no DynoError
};

template <typename Read>
DynoOutcome dynoOutcome(Read read)
{
    DynoOutcome out;
    try {
        out.data = read();
    } catch (const files::DynoError &e) {
        out.fault = e.fault();
        out.unit = e.unit();
    } catch (const Error &e) {
        out.unexpected = "unexpected message: " + e.message();
    }
    return out;
}

inline DynoOutcome dynoInPieces(QByteArrayView bytes)
{
    return dynoOutcome([&] {
        files::DynoParser p;
        std::uint64_t h = 1469598103934665603ull;
        for (qsizetype at = 0; at < bytes.size() && !p.stopped();) {
            h = (h ^ static_cast<unsigned char>(bytes[at])) * 1099511628211ull;
            const qsizetype n = std::min<qsizetype>(1 + static_cast<qsizetype>(h % 7), bytes.size() - at);
            p.feed(bytes.sliced(at, n));
            at += n;
        }
        return p.finish();
    });
}

inline bool sameDyno(const DynoOutcome &a, const DynoOutcome &b)
{
    if (a.data.has_value() != b.data.has_value())
        return false;
    if (!a.data)
        return a.fault == b.fault && a.unit == b.unit;
    const files::DynoData &x = *a.data, &y = *b.data;
    if (x.dataLines != y.dataLines || x.skippedLines != y.skippedLines || x.headerLine != y.headerLine ||
        x.delimiter != y.delimiter || x.engineColumn != y.engineColumn || x.curveColumn != y.curveColumn ||
        x.quantity != y.quantity || x.unit != y.unit || x.unitNamed != y.unitNamed || x.atWheel != y.atWheel ||
        x.points.size() != y.points.size())
        return false;
    for (std::size_t i = 0; i < x.points.size(); ++i)
        if (x.points[i].rpm != y.points[i].rpm || x.points[i].nm != y.points[i].nm)
            return false;
    return true;
}

} // namespace detail

inline std::string checkDyno(const std::uint8_t *data, std::size_t size)
{
    using namespace detail;
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const DynoOutcome whole = dynoOutcome([&] { return *files::readDynoBytes(bytes); });
    if (!whole.unexpected.empty())
        return whole.unexpected;
    const DynoOutcome pieces = dynoInPieces(bytes);
    if (!pieces.unexpected.empty())
        return pieces.unexpected;
    if (!sameDyno(whole, pieces))
        return "a split of the bytes reads differently";
    for (const QByteArray &variant : utf16Variants(bytes))
        if (!sameDyno(whole, dynoOutcome([&] { return *files::readDynoBytes(variant); })))
            return "the text in UTF-16 reads differently";

    if (!whole.data) {
        if (whole.fault == files::DynoFault::UnknownUnit &&
            (whole.unit.isEmpty() || whole.unit.size() > files::DynoUnitQuoted + 1))
            return "a refused unit named by nothing or by too much";
        return {};
    }
    const files::DynoData &d = *whole.data;
    if (d.headerLine < 1 || d.headerLine > files::csv::HeaderLines)
        return "header beyond line 200";
    if (d.skippedLines < 0 || d.skippedLines > d.dataLines)
        return "more lines skipped than read";
    if (d.points.size() < 2 || static_cast<std::int64_t>(d.points.size()) > d.dataLines - d.skippedLines)
        return "points do not follow from the lines read";
    for (std::size_t i = 0; i < d.points.size(); ++i) {
        const auto &p = d.points[i];
        if (!std::isfinite(p.rpm) || p.rpm < 0 || p.rpm != std::floor(p.rpm))
            return "an engine speed that is no whole number";
        if (!std::isfinite(p.nm) || p.nm < 0)
            return "a torque that is no finite number or below 0";
        if (i > 0 && !(p.rpm > d.points[i - 1].rpm))
            return "engine speeds not ascending";
    }
    return {};
}

} // namespace trovanta::fuzz

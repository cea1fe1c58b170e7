#include "files/dynofile.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace trovanta::files {

namespace {

using Words = std::vector<QString>;
using Phrase = std::initializer_list<const char *>;

const Phrase EnginePhrases[] = {{"rpm"}, {"engine", "speed"}, {"régime"}, {"regime"}, {"drehzahl"}, {"tr", "min"}};
const Phrase NotEngine[] = {{"wheel"}, {"roller"}, {"drum"}, {"roue"}, {"rouleau"}, {"rad"}, {"rolle"}};
const Phrase TorqueWords[] = {{"torque"}, {"couple"}, {"drehmoment"}, {"tq"}};
const Phrase PowerWords[] = {{"power"}, {"puissance"}, {"leistung"}, {"hp"}, {"bhp"}, {"whp"},
                             {"ps"},    {"cv"},        {"ch"},       {"kw"}};
const Phrase AtWheel[] = {{"wheel"}, {"whp"}, {"roue"}, {"rad"}};

struct UnitName {
    Phrase words;
    DynoUnit unit;
};

// A unit split at its dot or hyphen ("N·m", "lb-ft", "kg.m") is the same
// unit.
const UnitName TorqueUnits[] = {
    {{"nm"}, DynoUnit::Nm},          {{"n", "m"}, DynoUnit::Nm},      {{"lb", "ft"}, DynoUnit::LbFt},
    {{"ft", "lb"}, DynoUnit::LbFt},  {{"lbf", "ft"}, DynoUnit::LbFt}, {{"ft", "lbf"}, DynoUnit::LbFt},
    {{"kgm"}, DynoUnit::Kgm},        {{"mkg"}, DynoUnit::Kgm},        {{"kg", "m"}, DynoUnit::Kgm},
    {{"m", "kg"}, DynoUnit::Kgm},    {{"kgf", "m"}, DynoUnit::Kgm},
};
const UnitName PowerUnits[] = {
    {{"kw"}, DynoUnit::Kw}, {{"ps"}, DynoUnit::Ps},  {{"cv"}, DynoUnit::Ps},  {{"ch"}, DynoUnit::Ps},
    {{"hp"}, DynoUnit::Hp}, {{"bhp"}, DynoUnit::Hp}, {{"whp"}, DynoUnit::Hp},
};

// kW × 9549,2966 / n (rpm) = Nm.
constexpr double NmPerKwRpm = 9549.2966;

double factorOf(DynoUnit u)
{
    switch (u) {
    case DynoUnit::LbFt:
        return 1.355818;
    case DynoUnit::Kgm:
        return 9.80665;
    case DynoUnit::Ps:
        return 0.73549875;
    case DynoUnit::Hp:
        return 0.745699872;
    case DynoUnit::Nm:
    case DynoUnit::Kw:
        break;
    }
    return 1;
}

// A name's words: split at every character that is not a letter.
Words wordsOf(const QString &lower)
{
    // Composed first, so that an "é" written as "e" and its accent is one
    // letter.
    const QString text = lower.normalized(QString::NormalizationForm_C);
    Words out;
    qsizetype from = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool letter = i < text.size() && text[i].isLetter();
        if (letter && from < 0)
            from = i;
        else if (!letter && from >= 0) {
            out.push_back(text.mid(from, i - from));
            from = -1;
        }
    }
    return out;
}

bool phraseAt(const Words &words, std::size_t at, Phrase phrase)
{
    if (at + phrase.size() > words.size())
        return false;
    for (const char *w : phrase)
        if (words[at++] != QString::fromUtf8(w))
            return false;
    return true;
}

template <std::size_t N>
bool hasAny(const Words &words, const Phrase (&phrases)[N])
{
    for (std::size_t at = 0; at < words.size(); ++at)
        for (const Phrase &p : phrases)
            if (phraseAt(words, at, p))
                return true;
    return false;
}

template <std::size_t N>
std::optional<DynoUnit> firstUnit(const Words &words, const UnitName (&units)[N])
{
    for (std::size_t at = 0; at < words.size(); ++at)
        for (const UnitName &u : units)
            if (phraseAt(words, at, u.words))
                return u.unit;
    return std::nullopt;
}

// The first text in round or square brackets that is not blank.
QString bracketed(const QString &name)
{
    for (qsizetype open = 0; open < name.size(); ++open) {
        const QChar c = name[open];
        if (c != u'(' && c != u'[')
            continue;
        const qsizetype close = name.indexOf(c == u'(' ? u')' : u']', open + 1);
        if (close < 0)
            continue;
        const QString inside = name.mid(open + 1, close - open - 1).trimmed();
        if (!inside.isEmpty())
            return inside;
        open = close;
    }
    return {};
}

QString quoted(const QString &unit)
{
    if (unit.size() <= DynoUnitQuoted)
        return unit;
    qsizetype n = DynoUnitQuoted;
    if (unit[n - 1].isHighSurrogate())
        --n;
    return unit.left(n) + QChar(0x2026);
}

std::string messageOf(DynoFault fault, const QString &unit)
{
    switch (fault) {
    case DynoFault::UnknownUnit:
        return formatMessage(msg::UnknownDynoUnit, unit.toStdString());
    case DynoFault::NoCurve:
        return msg::NoTorqueCurve;
    case DynoFault::NoColumns:
        break;
    }
    return msg::NoDynoColumns;
}

// The nearest whole number, an exact half to the even one, as the double
// it is kept in (beyond 2^53 two means may round to one double).
double nearestEven(long double x)
{
    const long double down = std::floor(x);
    const long double rest = x - down;
    if (rest > 0.5L)
        return static_cast<double>(down + 1);
    if (rest < 0.5L)
        return static_cast<double>(down);
    return static_cast<double>(std::fmod(down, 2.0L) == 0 ? down : down + 1);
}

} // namespace

DynoError::DynoError(DynoFault fault, const QString &unit)
    : Error(messageOf(fault, unit)), fault_(fault), unit_(unit)
{
}

bool DynoParser::header(const csv::Header &h)
{
    std::vector<Words> words;
    words.reserve(h.lower.size());
    for (const QString &name : h.lower)
        words.push_back(wordsOf(name));

    int engine = -1;
    for (std::size_t i = 0; i < words.size() && engine < 0; ++i)
        if (hasAny(words[i], EnginePhrases) && !hasAny(words[i], NotEngine))
            engine = static_cast<int>(i);
    if (engine < 0)
        return false;
    int torque = -1, power = -1;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (static_cast<int>(i) == engine)
            continue;
        if (torque < 0 && hasAny(words[i], TorqueWords))
            torque = static_cast<int>(i);
        if (power < 0 && hasAny(words[i], PowerWords))
            power = static_cast<int>(i);
    }
    if (torque < 0 && power < 0)
        return false;

    const int curve = torque >= 0 ? torque : power;
    const auto c = static_cast<std::size_t>(curve);
    const Words &w = words[c];
    out_.quantity = torque >= 0 ? DynoQuantity::Torque : DynoQuantity::Power;
    const bool isTorque = out_.quantity == DynoQuantity::Torque;
    const auto unit = isTorque ? firstUnit(w, TorqueUnits) : firstUnit(w, PowerUnits);
    if (!unit) {
        // "(N)" or "[bar]" is a unit, only not one of a torque or a power.
        if (const QString b = bracketed(h.names[c]); !b.isEmpty()) {
            refused_ = quoted(b);
            reader_.stop();
        }
    }
    out_.unitNamed = unit.has_value();
    out_.unit = unit ? *unit : isTorque ? DynoUnit::Nm : DynoUnit::Kw;
    out_.atWheel = hasAny(w, AtWheel);
    out_.engineColumn = h.names[static_cast<std::size_t>(engine)];
    out_.curveColumn = h.names[c];
    engineCell_ = engine;
    curveCell_ = curve;
    factor_ = factorOf(out_.unit);
    decimalComma_ = h.delimiter != ',';
    return true;
}

void DynoParser::line(QByteArrayView text, bool overlong)
{
    ++out_.dataLines;
    QByteArrayView a, b;
    double n = 0, v = 0;
    if (overlong || !csv::twoCells(text, reader_.delimiter(), engineCell_, curveCell_, a, b) ||
        !csv::number(a, decimalComma_, n) || !csv::number(b, decimalComma_, v) || !(n > 0) || !(v >= 0) ||
        !std::isfinite(n)) {
        ++out_.skippedLines;
        return;
    }
    const double nm = out_.quantity == DynoQuantity::Torque ? v * factor_ : v * factor_ * NmPerKwRpm / n;
    if (!std::isfinite(nm)) {
        ++out_.skippedLines;
        return;
    }
    Bin &bin = bins_[std::floor(n / DynoBin)];
    bin.rpm += n;
    bin.nm += nm;
    ++bin.lines;
}

DynoData DynoParser::finish()
{
    reader_.finish();
    if (refused_)
        throw DynoError(DynoFault::UnknownUnit, *refused_);
    if (!reader_.headerFound())
        throw DynoError(DynoFault::NoColumns);
    out_.headerLine = reader_.headerLine();
    out_.delimiter = reader_.delimiter();

    // Bins in ascending order; one whose engine speed rounds as the one
    // before it joins it (the rounded speeds never go down).
    std::vector<Bin> merged;
    std::vector<double> whole;
    for (const auto &entry : bins_) {
        const Bin &bin = entry.second;
        if (!merged.empty() && nearestEven(bin.rpm / bin.lines) == whole.back()) {
            Bin &last = merged.back();
            last.rpm += bin.rpm;
            last.nm += bin.nm;
            last.lines += bin.lines;
            whole.back() = nearestEven(last.rpm / last.lines);
        } else {
            merged.push_back(bin);
            whole.push_back(nearestEven(bin.rpm / bin.lines));
        }
    }
    bins_.clear();
    if (merged.size() < 2)
        throw DynoError(DynoFault::NoCurve);
    out_.points.reserve(merged.size());
    for (std::size_t i = 0; i < merged.size(); ++i)
        out_.points.push_back({whole[i], static_cast<double>(merged[i].nm / merged[i].lines)});
    return std::move(out_);
}

std::optional<DynoData> readDynoFile(const QString &path, const csv::Progress &progress)
{
    DynoParser parser;
    if (!csv::feedFile(path, parser.reader_, progress))
        return std::nullopt;
    return parser.finish();
}

std::optional<DynoData> readDynoBytes(QByteArrayView bytes, const csv::Progress &progress)
{
    DynoParser parser;
    if (!csv::feedBytes(bytes, parser.reader_, progress))
        return std::nullopt;
    return parser.finish();
}

} // namespace trovanta::files

#include "calc/numtext.h"

#include "calc/error.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <system_error>

namespace trovanta::num {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

bool tryParseDecimal(std::string_view text, char sep, double &out)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    std::size_t end = n;
    while (end > i && text[end - 1] == ' ')
        --end;

    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // The value as 0.<digits> * 10^exponent, leading zeros dropped, so that
    // its size is known whatever way it is written ("1000e-1", "0,001e3").
    std::string digits;
    std::int64_t exponent = 0;
    bool mantissa = false;
    while (i < end && isDigit(text[i])) {
        mantissa = true;
        if (!digits.empty() || text[i] != '0') {
            digits += text[i];
            ++exponent;
        }
        ++i;
    }
    if (i < end && text[i] == sep) {
        ++i;
        while (i < end && isDigit(text[i])) {
            mantissa = true;
            if (!digits.empty() || text[i] != '0')
                digits += text[i];
            else
                --exponent;
            ++i;
        }
    }
    if (!mantissa)
        return false;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool below = false;
        if (i < end && (text[i] == '+' || text[i] == '-'))
            below = text[i++] == '-';
        // Held at a bound past any digit count a text can have, so that
        // "1e99999999999999999999" stays huge instead of wrapping.
        constexpr std::int64_t Bound = 1'000'000'000'000'000;
        std::int64_t written = 0;
        int expDigits = 0;
        while (i < end && isDigit(text[i])) {
            if (written < Bound)
                written = written * 10 + (text[i] - '0');
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
        exponent += below ? -written : written;
    }
    if (i != end)
        return false;
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();

    double value = 0;
    // At least 10^309 is too large for a double; below 10^-325 rounds to
    // zero. In between, the conversion decides.
    if (!digits.empty()) {
        if (exponent > 309)
            return false;
        if (exponent >= -324) {
            // std::from_chars knows no locale: '.' and 'e'.
            const std::string plain = "0." + digits + 'e' + std::to_string(exponent);
            const auto res = std::from_chars(plain.data(), plain.data() + plain.size(), value,
                                             std::chars_format::general);
            if (res.ec == std::errc::result_out_of_range) {
                if (exponent > 0)
                    return false;
                value = 0;
            } else if (res.ec != std::errc() || res.ptr != plain.data() + plain.size()) {
                return false;
            }
        }
    }
    out = negative ? -value : value;
    return true;
}

double parseDecimal(std::string_view text, char sep)
{
    double v = 0;
    if (!tryParseDecimal(text, sep, v))
        throw Error(formatMessage(msg::NotFloat, text));
    return v;
}

bool tryParseInteger(std::string_view text, std::int32_t &out)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size())
        return false;
    std::int64_t v = 0;
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i]))
            return false;
        v = v * 10 + (text[i] - '0');
        if (v > 2147483648LL)
            return false;
    }
    if (negative)
        v = -v;
    if (v > std::numeric_limits<std::int32_t>::max() || v < std::numeric_limits<std::int32_t>::min())
        return false;
    out = static_cast<std::int32_t>(v);
    return true;
}

std::int32_t parseInteger(std::string_view text)
{
    std::int32_t v = 0;
    if (!tryParseInteger(text, v))
        throw Error(formatMessage(msg::NotInteger, text));
    return v;
}

namespace {

// A value as decimal digits: |v| = 0.d1d2d3... * 10^exp, no trailing zeros.
// An empty digit string is zero.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exp = 0;
};

// Rounds the digit string to `count` significant digits, exact halves away
// from zero (the digits are exact, so "exact half" means a 5 followed by
// nothing but zeros, or anything above).
void roundDigits(Decimal &d, int count)
{
    if (count < 0 || d.digits.empty()) {
        if (count < 0)
            d.digits.clear();
        return;
    }
    if (static_cast<int>(d.digits.size()) <= count)
        return;
    const bool up = d.digits[static_cast<std::size_t>(count)] >= '5';
    d.digits.resize(static_cast<std::size_t>(count));
    if (up) {
        int i = count - 1;
        while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') {
            d.digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i < 0) {
            d.digits.insert(d.digits.begin(), '1');
            d.exp += 1;
        } else {
            d.digits[static_cast<std::size_t>(i)] += 1;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty())
        d.exp = 0;
}

// The value's decimal digits, first taken to 18 significant digits as the
// extended-precision conversion does, so that the later rounding to the
// shown digits behaves the same.
Decimal toDecimal(long double value)
{
    Decimal d;
    d.negative = std::signbit(value);
    const long double a = std::fabs(value);
    if (a == 0)
        return d;
    char buf[128];
    // 40 significant digits come out exact or so close that no rounding
    // decision below depends on the rest.
    const auto res = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, 39);
    const std::string s(buf, res.ptr);
    const auto e = s.find('e');
    for (std::size_t i = 0; i < e; ++i)
        if (isDigit(s[i]))
            d.digits += s[i];
    d.exp = std::atoi(s.c_str() + e + 1) + 1;
    roundDigits(d, 18);
    return d;
}

std::string exponentText(const Decimal &d, int minExpDigits, char sep)
{
    std::string out;
    if (d.negative)
        out += '-';
    out += d.digits[0];
    if (d.digits.size() > 1) {
        out += sep;
        out.append(d.digits, 1, std::string::npos);
    }
    out += 'E';
    int e = d.exp - 1;
    if (e < 0) {
        out += '-';
        e = -e;
    }
    std::string digits = std::to_string(e);
    if (static_cast<int>(digits.size()) < minExpDigits)
        digits.insert(0, static_cast<std::size_t>(minExpDigits) - digits.size(), '0');
    out += digits;
    return out;
}

std::string specialText(long double v)
{
    if (std::isnan(v))
        return "NAN";
    return v < 0 ? "-INF" : "INF";
}

// The last texts made, by value and format: a run shows mostly the figures
// it showed before, and the exact decimal expansion costs far more than a
// look-up. One table per thread, as workers format too.
class FixedTexts {
public:
    const std::string *find(long double value, int decimals, char sep, int precision)
    {
        const Entry &e = slot(value, decimals, sep, precision);
        return e.used && e.same(value, decimals, sep, precision) ? &e.text : nullptr;
    }
    void keep(long double value, int decimals, char sep, int precision, const std::string &text)
    {
        Entry &e = slot(value, decimals, sep, precision);
        std::memcpy(e.bits, &value, sizeof e.bits);
        e.decimals = decimals;
        e.sep = sep;
        e.precision = precision;
        e.text = text;
        e.used = true;
    }

private:
    // The value's 80 significant bits; the rest of a long double is padding.
    static constexpr std::size_t ValueBytes = std::numeric_limits<long double>::digits == 64 ? 10 : sizeof(long double);
    struct Entry {
        unsigned char bits[ValueBytes];
        int decimals = 0, precision = 0;
        char sep = 0;
        bool used = false;
        std::string text;
        bool same(long double value, int d, char s, int p) const
        {
            return d == decimals && s == sep && p == precision && std::memcmp(bits, &value, sizeof bits) == 0;
        }
    };
    Entry &slot(long double value, int decimals, char sep, int precision)
    {
        unsigned char b[ValueBytes];
        std::memcpy(b, &value, sizeof b);
        std::uint64_t h = 1469598103934665603ull; // FNV-1a
        for (unsigned char c : b)
            h = (h ^ c) * 1099511628211ull;
        h = (h ^ std::uint64_t(decimals) ^ (std::uint64_t(precision) << 8) ^ (std::uint64_t(std::uint8_t(sep)) << 16)) *
            1099511628211ull;
        return entries_[(h >> 32) % entries_.size()];
    }
    std::array<Entry, 128> entries_;
};

std::string fixedText(long double value, int decimals, char sep, int precision);

} // namespace

std::string formatFixed(long double value, int decimals, char sep, int precision)
{
    if (!std::isfinite(value))
        return specialText(value);
    thread_local FixedTexts texts;
    if (const std::string *known = texts.find(value, decimals, sep, precision))
        return *known;
    std::string out = fixedText(value, decimals, sep, precision);
    texts.keep(value, decimals, sep, precision, out);
    return out;
}

namespace {

std::string fixedText(long double value, int decimals, char sep, int precision)
{
    Decimal d = toDecimal(value);
    if (!d.digits.empty()) {
        int count = d.exp + decimals;
        if (count > precision)
            count = precision;
        roundDigits(d, count);
    }
    if (d.digits.empty())
        d.negative = false; // no "-0,000"
    if (d.exp > precision) {
        Decimal e = toDecimal(value);
        roundDigits(e, precision);
        return exponentText(e, decimals, sep);
    }

    std::string out;
    if (d.negative)
        out += '-';
    auto digitAt = [&](int pos) -> char { // pos 0 is the first digit after "0."
        return pos >= 0 && pos < static_cast<int>(d.digits.size()) ? d.digits[static_cast<std::size_t>(pos)]
                                                                   : '0';
    };
    if (d.exp <= 0) {
        out += '0';
    } else {
        for (int p = 0; p < d.exp; ++p)
            out += digitAt(p);
    }
    if (decimals > 0) {
        out += sep;
        for (int k = 0; k < decimals; ++k)
            out += digitAt(d.exp + k);
    }
    return out;
}

} // namespace

std::string formatShortest(double value, char sep)
{
    if (!std::isfinite(value))
        return specialText(value);
    Decimal d = toDecimal(value);
    roundDigits(d, 15);
    if (d.digits.empty())
        return "0";
    if (d.exp > 15 || d.exp < -3)
        return exponentText(d, 0, sep);
    std::string out;
    if (d.negative)
        out += '-';
    if (d.exp <= 0) {
        out += '0';
        out += sep;
        out.append(static_cast<std::size_t>(-d.exp), '0');
        out += d.digits;
        return out;
    }
    for (int p = 0; p < d.exp; ++p)
        out += p < static_cast<int>(d.digits.size()) ? d.digits[static_cast<std::size_t>(p)] : '0';
    if (static_cast<int>(d.digits.size()) > d.exp) {
        out += sep;
        out.append(d.digits, static_cast<std::size_t>(d.exp), std::string::npos);
    }
    return out;
}

std::string formatInt(std::int64_t value) { return std::to_string(value); }

std::string withSign(const std::string &text)
{
    if (text.empty() || text[0] == '-')
        return text;
    // Only digits before an exponent count: "0,00" is zero, "1E05" is not.
    for (char c : text) {
        if (c == 'E' || c == 'e')
            break;
        if (c >= '1' && c <= '9')
            return '+' + text;
    }
    return text;
}

} // namespace trovanta::num

#pragma once
// Number text: how numbers are read from and written to the fields.
// Everything is parameterised by the decimal separator of the user's locale;
// no thousands separators anywhere.

#include <cstdint>
#include <string>
#include <string_view>

namespace trovanta::num {

// Decimal number: optional blanks, sign, digits with at most one decimal
// separator, optional exponent ("E" or "e", sign, digits), optional blanks.
// Throws "'<text>' ist kein gültiger Gleitkommawert".
double parseDecimal(std::string_view text, char sep);
bool tryParseDecimal(std::string_view text, char sep, double &out);

// Whole number: optional sign and decimal digits, nothing else, within the
// signed 32-bit range. Throws "'<text>' ist kein gültiger Integerwert".
std::int32_t parseInteger(std::string_view text);
bool tryParseInteger(std::string_view text, std::int32_t &out);

// Fixed-point text with `decimals` decimals after bringing the value to at
// most `precision` significant digits (exact halves away from zero). A value
// with more than `precision` digits before the separator is written in
// exponent form instead, its exponent padded to `decimals` digits.
std::string formatFixed(long double value, int decimals, char sep, int precision = 5);

// The ratio format (three decimals), F2 and F0.
inline std::string formatRatio(long double v, char sep) { return formatFixed(v, 3, sep); }
inline std::string formatF2(long double v, char sep) { return formatFixed(v, 2, sep); }
inline std::string formatF0(long double v, char sep) { return formatFixed(v, 0, sep); }

// Shortest text of at most 15 significant digits: fixed form for
// 0.0001 <= |v| < 1E15, exponent form otherwise (1.84 -> "1,84", 1.0 -> "1").
std::string formatShortest(double value, char sep);

std::string formatInt(std::int64_t value);

} // namespace trovanta::num

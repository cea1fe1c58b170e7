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
// A value too large for a double is no number; one too small for it reads
// as zero, however it is written. Throws "'<text>' ist kein gültiger
// Gleitkommawert".
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

// A change or a move: "+" in front when the text shows a value above zero;
// a value that rounds to zero shows no sign at all ("0,00", never "-0").
std::string withSign(const std::string &text);
inline std::string formatSignedF2(long double v, char sep) { return withSign(formatF2(v, sep)); }
inline std::string formatSignedF0(long double v, char sep) { return withSign(formatF0(v, sep)); }

// What a result that cannot be computed shows: an en dash (UTF-8).
inline constexpr const char *NoValue = "\u2013";

} // namespace trovanta::num

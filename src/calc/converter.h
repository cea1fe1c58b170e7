#pragma once
// The arithmetic of the three unit converters: each converts its first
// value one way and its second value the other way, both in F2.

#include <optional>
#include <string>

namespace trovanta::converter {

inline constexpr double PsPerKw = 1.36;    // 1 kW = 1.36 Cv
inline constexpr double KmhPerMph = 1.609; // 1 Mph = 1.609 km/h
inline constexpr double CmPerInch = 2.54;  // 1 inch = 2.54 cm

struct Result {
    std::optional<std::string> panelA; // value A divided by the factor
    std::optional<std::string> panelB; // value B times the factor
    std::optional<std::string> error;  // a text that is no number
};

// Stops without touching either panel when either text is empty.
Result Rechnen(const std::string &textA, const std::string &textB, double factor, char sep);

} // namespace trovanta::converter

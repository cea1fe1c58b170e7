#pragma once
// A gear set as the rider types it: the texts of its 13 fields and, when the
// circumference is typed instead of worked out from the tyre, its text too.
// It is the one text form of a gear set: the main window's run reads it, the
// gear data file is written from it and opened into it, the comparison's
// variant is one, and every window that hands a gear set to the main window
// hands one of these. ui::GearSetBinder moves it between a window's edits
// and this type.

#include <array>
#include <optional>
#include <string>

namespace trovanta::gearing {

// The 13 fields in the order the windows list them.
enum class SetField { Rim, Width, Height, Slip, Front, Rear, Primary, Gear1, Gear2, Gear3, Gear4, Gear5, Gear6 };
inline constexpr int SetFieldCount = 13;

struct SetTexts {
    std::string rim;     // decimal, inch
    std::string width;   // decimal, mm
    std::string height;  // decimal, percent of the width
    std::string slip;    // integer, percent
    std::string front;   // integer, teeth
    std::string rear;    // integer, teeth
    std::string primary; // decimal
    std::array<std::string, 6> gears; // decimal, gears 1 to 6
    // Typed (integer mm, used as it stands), or none: the tyre gives it.
    std::optional<std::string> circumference;

    std::string &operator[](SetField f);
    const std::string &operator[](SetField f) const;
    bool operator==(const SetTexts &o) const;
    bool operator!=(const SetTexts &o) const { return !(*this == o); }
};

} // namespace trovanta::gearing

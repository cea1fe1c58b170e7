#pragma once
// The units the rider reads and types in. Everything the program computes
// and stores stays in km/h, Nm, kW and kg; a value is converted only where it
// is shown or typed.

#include <string>

namespace trovanta::units {

enum class Speed { Kmh, Mph };
enum class Torque { Nm, LbFt };
enum class Power { KW, Ch, Hp };
enum class Mass { Kg, Lb };

struct Choice {
    Speed speed = Speed::Kmh;
    Torque torque = Torque::Nm;
    Power power = Power::KW;
    Mass mass = Mass::Kg;
    bool operator==(const Choice &o) const
    {
        return speed == o.speed && torque == o.torque && power == o.power && mass == o.mass;
    }
    bool operator!=(const Choice &o) const { return !(*this == o); }
};

// Exact by definition (international mile, pound, foot; metric horsepower).
inline constexpr double KmhPerMph = 1.609344;
inline constexpr double KgPerLb = 0.45359237;
inline constexpr double NmPerLbFt = KgPerLb * 9.80665 * 0.3048;
inline constexpr double KwPerCh = 0.73549875;
inline constexpr double KwPerHp = 0.74569987158227022;

// Shown value of a stored one, and back.
double fromKmh(double kmh, Speed u);
double toKmh(double shown, Speed u);
double fromNm(double nm, Torque u);
double toNm(double shown, Torque u);
double fromKw(double kw, Power u);
double toKw(double shown, Power u);
double fromKg(double kg, Mass u);
double toKg(double shown, Mass u);

// The unit's word as the windows and printouts show it.
std::string name(Speed u);
std::string name(Torque u);
std::string name(Power u);
std::string name(Mass u);

} // namespace trovanta::units

#include "calc/units.h"

namespace trovanta::units {

double fromKmh(double kmh, Speed u) { return u == Speed::Mph ? kmh / KmhPerMph : kmh; }
double toKmh(double shown, Speed u) { return u == Speed::Mph ? shown * KmhPerMph : shown; }
double fromNm(double nm, Torque u) { return u == Torque::LbFt ? nm / NmPerLbFt : nm; }
double toNm(double shown, Torque u) { return u == Torque::LbFt ? shown * NmPerLbFt : shown; }

namespace {
double kwPer(Power u)
{
    switch (u) {
    case Power::Ch:
        return KwPerCh;
    case Power::Hp:
        return KwPerHp;
    case Power::KW:
        break;
    }
    return 1.0;
}
} // namespace

double fromKw(double kw, Power u) { return u == Power::KW ? kw : kw / kwPer(u); }
double toKw(double shown, Power u) { return u == Power::KW ? shown : shown * kwPer(u); }
double fromKg(double kg, Mass u) { return u == Mass::Lb ? kg / KgPerLb : kg; }
double toKg(double shown, Mass u) { return u == Mass::Lb ? shown * KgPerLb : shown; }

std::string name(Speed u) { return u == Speed::Mph ? "mph" : "km/h"; }
std::string name(Torque u) { return u == Torque::LbFt ? "lb-ft" : "Nm"; }
std::string name(Power u)
{
    switch (u) {
    case Power::Ch:
        return "ch";
    case Power::Hp:
        return "hp";
    case Power::KW:
        break;
    }
    return "kW";
}
std::string name(Mass u) { return u == Mass::Lb ? "lb" : "kg"; }

} // namespace trovanta::units

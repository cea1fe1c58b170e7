#include "calc/gearing.h"

#include "calc/error.h"
#include "calc/fparith.h"
#include "calc/numtext.h"

namespace trovanta::gearing {

using fp::real;

std::int32_t rollingCircumference(double rim, double width, double heightFraction)
{
    const real tyre = fp::add(fp::mul(25.4L, rim), fp::mul(fp::mul(2, width), heightFraction));
    return fp::roundToInt(fp::mul(fp::Pi, tyre));
}

namespace {

// n / G * C * 60 * 10^-6, evaluated left to right as written.
real roadSpeed(real rpm, real ratio, std::int32_t circumference)
{
    return fp::mul(fp::mul(fp::mul(fp::div(rpm, ratio), circumference), 60), 1E-6L);
}

} // namespace

Result run(const Input &in, State &st, char sep)
{
    Result res;
    Step step = Step::Slip;
    try {
        const std::int32_t slip = num::parseInteger(in.slip);
        const real r = 1 - fp::div(slip, 100);

        step = Step::RedZone;
        const std::int32_t redZone = num::parseInteger(in.redZone);

        step = Step::Tyre;
        st.rim = num::parseDecimal(in.rim, sep);
        st.width = num::parseDecimal(in.width, sep);
        st.heightFraction = static_cast<double>(fp::div(num::parseDecimal(in.height, sep), 100));

        step = Step::Circumference;
        if (in.circumferenceOverride) {
            st.circumference = num::parseInteger(in.circumference);
        } else {
            st.circumference = rollingCircumference(st.rim, st.width, st.heightFraction);
            res.circumference = num::formatInt(st.circumference);
        }

        step = Step::Sprockets;
        st.front = num::parseInteger(in.front);
        st.rear = num::parseInteger(in.rear);
        st.primary = num::parseDecimal(in.primary, sep);

        step = Step::FinalDrive;
        st.finalDrive = static_cast<double>(fp::div(st.rear, st.front));
        res.finalDrive = num::formatRatio(st.finalDrive, sep);

        step = Step::OverallRatios;
        const real primaryTimesFinal = fp::mul(st.primary, st.finalDrive);
        for (std::size_t g = 0; g < 6; ++g) {
            const double ratio = num::parseDecimal(in.gears[g], sep);
            res.overall[g] = num::formatRatio(fp::mul(ratio, primaryTimesFinal), sep);
        }

        // Every speed works with the overall ratio as it is shown.
        std::array<double, 6> shown{};
        for (std::size_t g = 0; g < 6; ++g)
            shown[g] = num::parseDecimal(*res.overall[g], sep);

        step = Step::ChosenGear;
        for (std::size_t g = 0; g < 6; ++g) {
            if (in.chosenGear == std::to_string(g + 1)) {
                real chosen = shown[g];
                if (g >= 3)
                    chosen = fp::mul(chosen, (1 - r) + 1);
                st.chosenRatio = static_cast<double>(chosen);
            }
        }

        step = Step::OperatingPoint;
        const std::int32_t rpm = num::parseInteger(in.engineSpeed);
        st.operatingSpeed = fp::roundToInt(roadSpeed(rpm, st.chosenRatio, st.circumference));
        res.operatingSpeed = num::formatInt(st.operatingSpeed);

        step = Step::FullScale;
        for (std::size_t g = 0; g < 6; ++g) {
            real v = roadSpeed(FullScaleRpm, shown[g], st.circumference);
            if (g >= 3)
                v = fp::mul(v, r);
            st.fullScale[g] = fp::roundToInt(v);
        }

        step = Step::Vmax;
        for (std::size_t g = 0; g < 6; ++g) {
            real v = roadSpeed(redZone, shown[g], st.circumference);
            if (g >= 3)
                v = fp::mul(v, r);
            res.vmax[g] = num::formatInt(fp::roundToInt(v));
        }
    } catch (const Error &e) {
        res.ok = false;
        res.failedStep = step;
        res.message = e.message();
    }
    return res;
}

} // namespace trovanta::gearing

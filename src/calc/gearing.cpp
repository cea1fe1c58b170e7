#include "calc/gearing.h"

#include "calc/error.h"
#include "calc/fparith.h"
#include "calc/numtext.h"

namespace trovanta::gearing {

using fp::real;

Result run(const Input &in, State &st, char sep)
{
    Result res;
    GearSet &set = res.set;
    Step step = Step::Slip;
    try {
        set.slip = num::parseInteger(in.set.slip);
        const real r = slipFactor(set, 4);

        step = Step::RedZone;
        set.redZone = num::parseInteger(in.redZone);

        step = Step::Tyre;
        st.rim = set.rim = num::parseDecimal(in.set.rim, sep);
        st.width = set.width = num::parseDecimal(in.set.width, sep);
        set.height = num::parseDecimal(in.set.height, sep);
        st.heightFraction = heightFraction(set.height);

        step = Step::Circumference;
        if (in.set.circumference) {
            st.circumference = num::parseInteger(*in.set.circumference);
            set.circumferenceOverride = st.circumference;
        } else {
            st.circumference = rollingCircumference(st.rim, st.width, st.heightFraction);
            res.circumference = num::formatInt(st.circumference);
        }

        step = Step::Sprockets;
        st.front = set.front = num::parseInteger(in.set.front);
        st.rear = set.rear = num::parseInteger(in.set.rear);
        st.primary = set.primary = num::parseDecimal(in.set.primary, sep);

        step = Step::FinalDrive;
        st.finalDrive = finalDrive(st.front, st.rear);
        res.finalDrive = num::formatRatio(st.finalDrive, sep);

        step = Step::OverallRatios;
        for (std::size_t g = 0; g < 6; ++g) {
            set.gears[g] = num::parseDecimal(in.set.gears[g], sep);
            res.overall[g] = num::formatRatio(overallRatio(set.gears[g], st.primary, st.finalDrive), sep);
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

        // The kernel's speed rule, on the ratios as shown.
        const Derived d{st.circumference, st.finalDrive, shown,
                        {1, 1, 1, r, r, r}, set.redZone, set.shiftMark};

        step = Step::FullScale;
        for (int k = 1; k <= 6; ++k)
            st.fullScale[static_cast<std::size_t>(k - 1)] = fp::roundToInt(d.roadSpeed(FullScaleRpm, k));

        step = Step::Vmax;
        for (int k = 1; k <= 6; ++k) {
            const std::size_t g = static_cast<std::size_t>(k - 1);
            res.vmaxValues[g] = d.vmax(k);
            res.vmax[g] = num::formatInt(res.vmaxValues[g]);
        }
    } catch (const Error &e) {
        res.ok = false;
        res.failedStep = step;
        res.message = e.message();
    }
    return res;
}

} // namespace trovanta::gearing

#pragma once
// The gearing calculation: from the texts of the gear set's fields to the
// texts of the display fields, step by step. A failing step stops the run;
// the results of the steps before it are there to be shown, the rest are not.

#include "calc/gearset.h"
#include "calc/settexts.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace trovanta::gearing {

// The engine speed of the full-scale speeds, where the gear lines end.
inline constexpr int FullScaleRpm = 15960;

// What a run reads (UTF-8): the gear set's texts and the main window's
// other fields.
struct Input {
    SetTexts set;            // the circumference is read only when typed
    std::string redZone;     // EditRotBereich, integer rpm
    std::string chosenGear;  // Edit13, matched as text against "1".."6"
    std::string engineSpeed; // Edit14
    std::string shiftMark;   // EditMarke; the diagram converts it, not the run
    std::string title;       // Edit15
};

// Values a run keeps program-wide for the next run and for other parts of
// the program (diagram, printout, circumference switch).
struct State {
    double rim = 0;
    double width = 0;
    double heightFraction = 0;
    std::int32_t circumference = 0;
    std::int32_t front = 0;
    std::int32_t rear = 0;
    double primary = 0;
    double finalDrive = 0;
    double chosenRatio = 0; // 0 before the first run that matched a gear
    std::int32_t operatingSpeed = 0;
    std::array<std::int32_t, 6> fullScale{};
};

enum class Step {
    None = 0,
    Slip = 2,
    RedZone = 3,
    Tyre = 4,
    Circumference = 5,
    Sprockets = 6,
    FinalDrive = 7,
    OverallRatios = 8,
    ChosenGear = 9,
    OperatingPoint = 10,
    FullScale = 11,
    Vmax = 12,
};

// Texts for the display fields, present only for the steps that succeeded.
struct Result {
    std::optional<std::string> circumference; // E_Umfang, only when computed
    std::optional<std::string> finalDrive;    // Panel2
    std::array<std::optional<std::string>, 6> overall; // Panel3 .. Panel8
    std::optional<std::string> operatingSpeed;          // Panel9
    std::array<std::optional<std::string>, 6> vmax;    // P_Vmax1 .. P_Vmax6

    bool ok = true;
    Step failedStep = Step::None;
    std::string message; // the error's message when !ok

    // The gear set the run converted, whole when ok (the shift mark is the
    // caller's to fill in).
    GearSet set;
    std::array<std::int32_t, 6> vmaxValues{};
};

// One calculation run (steps 2 to 12). `state` is updated as each value is
// reached, so after a failure it holds the values of the steps before it.
Result run(const Input &in, State &state, char sep);

} // namespace trovanta::gearing

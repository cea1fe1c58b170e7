#pragma once
// What the windows tell each other. The main window publishes its last
// calculation run that got through and answers with its fields as they
// stand; the chain calculator publishes its present chain. Windows that
// change the main window hand it texts through its named setters.

#include "calc/gearing.h"
#include "calc/gearset.h"

#include <QRect>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace trovanta::ui {

// The main window's last run that got through.
struct MainRun {
    gearing::GearSet set;  // as the run converted it, shift mark included
    gearing::Input texts;  // the fields as they stood (UTF-8), title included
    std::int32_t circumference = 0;
    bool circumferenceComputed = true; // false: the override's value
    double finalDrive = 0;             // as shown
    std::array<double, 6> ratios{};    // overall ratios as shown
    std::array<std::int32_t, 6> vmax{};
    std::array<std::int32_t, 6> fullScale{};
    QString fileName; // the gear data file name panel
};

// The main window's fields as they stand now, with the file name panel,
// and where the window stands (windows open centred on it).
struct MainFields {
    gearing::Input texts;
    QString fileName;
    QRect frame;
};

// A gear set as texts for the main window's fields. No circumference: the
// override goes off and the tyre gives it; a text: the override goes on
// with it.
struct GearSetTexts {
    QString rim, width, height, slip, front, rear, primary;
    std::array<QString, 6> gears;
    std::optional<QString> circumference;
};

// The chain calculator's present chain, as typed.
struct PresentChain {
    QString links, linkLength, sag;
};

// The windows the main window's menu opens.
enum class Window { Info, PsKw, KmhMph, MetricInch, Faq, Chain, RaceLog, Compare, Sprocket, Calibration };

} // namespace trovanta::ui

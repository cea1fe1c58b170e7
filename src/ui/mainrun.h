#pragma once
// What the windows tell each other. The main window publishes its last
// calculation run that got through and answers with its fields as they
// stand; the chain calculator publishes its present chain. Windows that
// change the main window hand it texts through its named setters (a whole
// gear set as gearing::SetTexts).

#include "calc/gearing.h"
#include "calc/gearset.h"
#include "calc/settexts.h"

#include <QRect>
#include <QString>

#include <cstdint>

namespace trovanta::ui {

// The main window's last run that got through: what every window that
// follows the main window stands on. Whatever else a window needs it works
// out from `set` with the kernel (gearing::derive, gearing::valuesOf).
struct MainRun {
    gearing::GearSet set;    // as the run converted it, shift mark included
    gearing::SetTexts texts; // the gear set's fields as the run read them
    QString title;           // the diagram title as it stood
    std::int32_t circumference = 0; // the one the run used, whole mm
    bool circumferenceTyped = false; // under the override; else the tyre's
};

// The main window's fields as they stand now, with the file name panel,
// and where the window stands (windows open centred on it).
struct MainFields {
    gearing::Input texts;
    QString fileName;
    QRect frame;
};

// The chain calculator's present chain, as typed.
struct PresentChain {
    QString links, linkLength, sag;
};

// The main menu's own windows (the analysis windows have their own
// table in registry.h).
enum class Window { Info, PsKw, KmhMph, MetricInch, Faq, Chain, RaceLog };

} // namespace trovanta::ui

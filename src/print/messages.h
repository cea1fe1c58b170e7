#pragma once
// Every text of print/ that the rider reads outside a printout, in one
// place, each under its name: what the windows show when printing fails.

#include "calc/messages.h"

namespace trovanta::print::msg {
inline constexpr const char *GearSheetFailure = TROVANTA_MESSAGE("Messages", "Überprüfen Sie die Druckerinstallation.");
// The chain calculator, race log and comparison printouts.
inline constexpr const char *PrinterCheck = TROVANTA_MESSAGE("Messages", "Druckerinstallation kontrollieren.");
} // namespace trovanta::print::msg

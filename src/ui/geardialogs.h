#pragma once
// The gear data file dialogs' texts, the same wherever a gear set is opened
// or saved. The captions are translated where a dialog shows them:
// translated(GearDialogsContext, GearOpenCaption).

#include "calc/messages.h"

namespace trovanta::ui {

inline constexpr const char *GearDialogsContext = "GearDialogs";
inline constexpr const char *GearFileFilter = "Trovanta [*.tva] (*.tva)";
inline constexpr const char *GearOpenCaption = TROVANTA_MESSAGE("GearDialogs", "Werte für Trovanta öffnen ...");
inline constexpr const char *GearSaveCaption = TROVANTA_MESSAGE("GearDialogs", "Werte speichern ...");
inline constexpr const char *GearFileSuffix = "tva";

} // namespace trovanta::ui

#pragma once
// The gear data file dialogs' texts, the same wherever a gear set is opened
// or saved.

namespace trovanta::ui {

inline constexpr const char *GearFileFilter = "Trovanta [*.tva] (*.tva)";
inline constexpr const char *GearOpenCaption = "Werte für Trovanta öffnen ...";
inline constexpr const char *GearSaveCaption = "Werte speichern ...";
inline constexpr const char *GearFileSuffix = "tva";

} // namespace trovanta::ui

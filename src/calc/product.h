#pragma once
// Texts that name the program and its maker, shared by the windows, the
// printouts and the message boxes.

#include "calc/messages.h"

namespace trovanta::product {

inline constexpr const char *VersionText = "2.11";
inline constexpr const char *ApplicationTitle = "Trovanta 2.11"; // "Trovanta " + VersionText

inline constexpr const char *HomePage = "https://trovanta.example.org/";
inline constexpr const char *MailAddress = "info@trovanta.example.org";
// Printed at the foot of every printout, translated there.
inline constexpr const char *DistributionNotice = TROVANTA_MESSAGE(
    "Letterhead", "Trovanta ist Freeware und darf unverändert und kostenlos weitergegeben werden.");

} // namespace trovanta::product

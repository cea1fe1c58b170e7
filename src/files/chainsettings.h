#pragma once
// The entries of the chain calculator's settings file (ChainSettingsFileName
// in mainsettings.h). Each value is the text of one field of the chain
// calculator (ui/settingfields.h says which), stored as it stands; the
// window writes them in this order, between the marker and the result, and
// reads them back in the same order.

#include "calc/messages.h"

#include <array>

namespace trovanta::files {

struct ChainSetting {
    const char *section;
    const char *key;
    const char *defaultText; // when missing; nullptr: the value just read for "aktuelle Kettenlaenge"
};

// Written first with a fixed text, never read.
inline constexpr const char *ChainMarkerSection = "Program";
inline constexpr const char *ChainMarkerKey = "Inifile";
inline constexpr const char *ChainMarkerValue = "Catenolix";

inline constexpr std::array<ChainSetting, 9> ChainSettings = {{
    {"Antrieb alt", "Solldurchhang", "2"},
    {"Antrieb alt", "aktuelle Kettenlaenge", "0"},
    {"Antrieb alt", "Gliedlaenge", "1,56"},
    {"Antrieb alt", "Ritzel alt", "0"},
    {"Antrieb alt", "Kettenrad alt", "0"},
    {"Antrieb neu", "Ritzel neu", "0"},
    {"Antrieb neu", "Kettenrad neu", "0"},
    // A file without it gets the present chain's link count.
    {"Antrieb neu", "Kettenlaenge neu", nullptr},
    // A text: the chain calculator shows it translated.
    {"Motorrad", "Typ", TROVANTA_MESSAGE("TForm6", "Modell eingeben")},
}};

// Written last, under the empty key: the result lines joined without a
// separator. Never read; it is there for the rider to look at.
inline constexpr const char *ChainResultSection = "Ergebnis";
inline constexpr const char *ChainResultKey = "";

} // namespace trovanta::files

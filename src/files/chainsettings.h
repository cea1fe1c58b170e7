#pragma once
// The entries of the chain calculator's settings file (ChainSettingsFileName
// in mainsettings.h). Each value is the text of one field of the chain
// calculator, stored as it stands; the window writes them in this order,
// between the marker and the result, and reads them back in the same order.

#include <array>

namespace trovanta::files {

struct ChainSetting {
    const char *section;
    const char *key;
    const char *field;       // objectName of the chain calculator's edit
    const char *defaultText; // when missing; nullptr: the text just read into E_Glieder_alt
};

// Written first with a fixed text, never read.
inline constexpr const char *ChainMarkerSection = "Program";
inline constexpr const char *ChainMarkerKey = "Inifile";
inline constexpr const char *ChainMarkerValue = "Catenolix";

inline constexpr std::array<ChainSetting, 9> ChainSettings = {{
    {"Antrieb alt", "Solldurchhang", "E_Solldurchhang", "2"},
    {"Antrieb alt", "aktuelle Kettenlaenge", "E_Glieder_alt", "0"},
    {"Antrieb alt", "Gliedlaenge", "E_Gliedlaenge", "1,56"},
    {"Antrieb alt", "Ritzel alt", "E_Ritzel_alt", "0"},
    {"Antrieb alt", "Kettenrad alt", "E_Kettenrad_alt", "0"},
    {"Antrieb neu", "Ritzel neu", "E_Ritzel_neu", "0"},
    {"Antrieb neu", "Kettenrad neu", "E_Kettenrad_neu", "0"},
    // A file without it gets the present chain's link count.
    {"Antrieb neu", "Kettenlaenge neu", "E_Glieder_neu", nullptr},
    {"Motorrad", "Typ", "E_Mopped", "Modell eingeben"},
}};

// Written last, under the empty key: the result lines joined without a
// separator. Never read; it is there for the rider to look at.
inline constexpr const char *ChainResultSection = "Ergebnis";
inline constexpr const char *ChainResultKey = "";

} // namespace trovanta::files

#pragma once
// Chain geometry: chain length and axle distance for a pair of sprockets,
// all lengths in link lengths (pitches) inside the geometry.

#include "calc/messages.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace trovanta::chain {

// The geometry operations. `sag` is the set sag in link lengths.
double ASIN(double x);
double DeltaL(double span, double sag);
double Abstand(double r, double R, double L, double sag);
double Laenge(double r, double R, double d, double sag);

// Upper bound on the passes of Abstand; a chain whose estimates still differ
// after this many passes fails (it is too short for its sprockets), and so
// does one whose estimates settle on a negative straight run.
inline constexpr int MaxAbstandPasses = 1000;

struct Input {
    std::string linksOld;      // E_Glieder_alt, decimal
    std::string linksNew;      // E_Glieder_neu, decimal
    std::string linkLength;    // E_Gliedlaenge, decimal cm
    std::string frontOld;      // E_Ritzel_alt, integer
    std::string rearOld;       // E_Kettenrad_alt, integer
    std::string frontNew;      // E_Ritzel_neu, integer
    std::string rearNew;       // E_Kettenrad_neu, integer
    std::string sag;           // E_Solldurchhang, decimal
};

// What the calculation keeps between runs: only the shared sag, which each
// run sets when it converts the sag field.
struct State {
    double sag = 0;
};

enum Panel { KettenlaengeAlt, AchsabstandAlt, KettenlaengeIst, KettenlaengeSoll, AchsabstandNeu };

struct Result {
    bool zeroStop = false;      // a zero input: nothing at all changes
    bool guardedFailure = false; // show msg::GuardedFailure, output still follows
    std::array<std::optional<std::string>, 5> panels; // in Panel order
    bool linesReplaced = false; // the result text is cleared and `lines` set
    std::vector<std::string> lines;
    std::optional<std::string> error; // unguarded failure for the error box
};

Result calculate(const Input &in, State &state, char sep);

} // namespace trovanta::chain

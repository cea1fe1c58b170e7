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

// The words the advice is made of: the patterns of msg, or a translation of
// them (UTF-8).
struct Wording {
    std::string shortening = msg::Shortening, lengthening = msg::Lengthening;
    std::string backward = msg::Backward, forward = msg::Forward;
    std::string eitherLine = msg::EitherLine, orMoveLine = msg::OrMoveLine;
    std::string withLinksLine = msg::WithLinksLine, thenMoveLine = msg::ThenMoveLine;
    std::string oneLink = msg::OneLink, links = msg::Links;
};

// What the advice says, without its words, so that it can be worded again.
struct Advice {
    int change = 0;      // 1: shorten and move back, -1: lengthen and move forward, 0: no words
    std::string n, m;    // links and millimetres of the first block
    bool second = false; // the second block follows
    bool oneLink = false; // its link text in the singular
    std::string n2, m2;
    bool backward2 = false;
};

// The result lines of `advice` in `wording`: two lines, or five with the
// second block.
std::vector<std::string> adviceLines(const Advice &advice, const Wording &wording = Wording{});

struct Result {
    bool zeroStop = false;      // a zero input: nothing at all changes
    bool guardedFailure = false; // show msg::GuardedFailure, output still follows
    std::array<std::optional<std::string>, 5> panels; // in Panel order
    bool linesReplaced = false; // the result text is cleared and `lines` set
    std::vector<std::string> lines; // `advice` in the original words
    Advice advice;
    std::optional<std::string> error; // unguarded failure for the error box
};

Result calculate(const Input &in, State &state, char sep);

} // namespace trovanta::chain

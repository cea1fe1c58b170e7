#pragma once
// Every text of calc/ that the rider reads, in one place, each under its
// name: the design's German messages and the chain calculator's advice,
// and the few messages the analysis windows added. Everything else calc/
// hands out is numbers and reasons; the windows make the words, so that a
// translation finds these by name and the rest in ui/.

namespace trovanta {

namespace msg {
inline constexpr const char *DivisionByZero = "Gleitkommadivision durch Null";
inline constexpr const char *InvalidOperation = "Ungültige Gleitkommaoperation";
inline constexpr const char *Overflow = "Gleitkommaüberlauf";
inline constexpr const char *NotInteger = "'%s' ist kein gültiger Integerwert";
inline constexpr const char *NotFloat = "'%s' ist kein gültiger Gleitkommawert";
} // namespace msg

namespace chain::msg {
// Shown in a plain box when a guarded step of the chain calculator fails.
inline constexpr const char *GuardedFailure = "Division durch 0.";
inline constexpr const char *NoAxleDistance = "Der Achsabstand dieser Kette lässt sich nicht bestimmen";
// The advice: %1 the change, %2 the links, %3 the millimetres, %4 the direction.
inline constexpr const char *Shortening = "Verkürzung";
inline constexpr const char *Lengthening = "Verlängerung";
inline constexpr const char *Backward = "hinten";
inline constexpr const char *Forward = "vorne";
inline constexpr const char *EitherLine = "Es ist entweder eine %1 der Kette um %2 Glied(er) nötig, oder eine ";
inline constexpr const char *OrMoveLine = "Verschiebung des Kettenrades um %3 mm nach %4. ";
inline constexpr const char *WithLinksLine = "Bei einer %1 der Kette um %2 ist eine Verschiebung des ";
inline constexpr const char *ThenMoveLine = "Kettenrades um %3 mm nach %4 nötig.";
inline constexpr const char *OneLink = "%2 Glied";
inline constexpr const char *Links = "%2 Glieder";
} // namespace chain::msg

namespace calibration::msg {
inline constexpr const char *NotEnoughPoints = "Pas assez de points en prise : 10 au moins dans un rapport.";
} // namespace calibration::msg

} // namespace trovanta

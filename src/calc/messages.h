#pragma once
// Every text of calc/ that the rider reads, in one place, each under its
// name: the original German messages and the chain calculator's advice,
// and the few messages the analysis windows added. Everything else calc/
// hands out is numbers and reasons; the windows make the words, so that a
// translation finds these by name and the rest in ui/.

// Marks a message for translation: lupdate reads it as
// QT_TRANSLATE_NOOP(context, text), and the program keeps the text as it is
// (calc/ has no Qt); the windows translate it where they show it.
#define TROVANTA_MESSAGE(context, text) text

namespace trovanta {

namespace msg {
inline constexpr const char *DivisionByZero = TROVANTA_MESSAGE("Messages", "Gleitkommadivision durch Null");
inline constexpr const char *InvalidOperation = TROVANTA_MESSAGE("Messages", "Ungültige Gleitkommaoperation");
inline constexpr const char *Overflow = TROVANTA_MESSAGE("Messages", "Gleitkommaüberlauf");
inline constexpr const char *NotInteger = TROVANTA_MESSAGE("Messages", "'%s' ist kein gültiger Integerwert");
inline constexpr const char *NotFloat = TROVANTA_MESSAGE("Messages", "'%s' ist kein gültiger Gleitkommawert");
} // namespace msg

namespace chain::msg {
// Shown in a plain box when a guarded step of the chain calculator fails.
inline constexpr const char *GuardedFailure = TROVANTA_MESSAGE("Messages", "Division durch 0.");
inline constexpr const char *NoAxleDistance = TROVANTA_MESSAGE("Messages", "Der Achsabstand dieser Kette lässt sich nicht bestimmen");
// The advice: %1 the change, %2 the links, %3 the millimetres, %4 the direction.
inline constexpr const char *Shortening = TROVANTA_MESSAGE("Messages", "Verkürzung");
inline constexpr const char *Lengthening = TROVANTA_MESSAGE("Messages", "Verlängerung");
inline constexpr const char *Backward = TROVANTA_MESSAGE("Messages", "hinten");
inline constexpr const char *Forward = TROVANTA_MESSAGE("Messages", "vorne");
inline constexpr const char *EitherLine = TROVANTA_MESSAGE("Messages", "Es ist entweder eine %1 der Kette um %2 Glied(er) nötig, oder eine ");
inline constexpr const char *OrMoveLine = TROVANTA_MESSAGE("Messages", "Verschiebung des Kettenrades um %3 mm nach %4. ");
inline constexpr const char *WithLinksLine = TROVANTA_MESSAGE("Messages", "Bei einer %1 der Kette um %2 ist eine Verschiebung des ");
inline constexpr const char *ThenMoveLine = TROVANTA_MESSAGE("Messages", "Kettenrades um %3 mm nach %4 nötig.");
inline constexpr const char *OneLink = TROVANTA_MESSAGE("Messages", "%2 Glied");
inline constexpr const char *Links = TROVANTA_MESSAGE("Messages", "%2 Glieder");
} // namespace chain::msg

namespace calibration::msg {
inline constexpr const char *NotEnoughPoints = TROVANTA_MESSAGE("Messages", "Pas assez de points en prise : 10 au moins dans un rapport.");
} // namespace calibration::msg

} // namespace trovanta

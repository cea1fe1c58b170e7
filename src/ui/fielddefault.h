#pragma once
// Texts the program fills into a field as a default ("Bezeichnung eingeben",
// "Weitere Notizen"): shown in the present language, and after a change of
// language a field that still holds one of them gets it in the new one. What
// the rider typed is never rewritten.

#include "ui/language.h"

#include <vector>

class QLineEdit;
class QPlainTextEdit;

namespace trovanta::ui {

void keepDefaults(QLineEdit *field, std::vector<Source> defaults);
void keepDefaults(QPlainTextEdit *field, std::vector<Source> defaults);

} // namespace trovanta::ui

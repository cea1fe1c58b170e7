#pragma once
// Texts the program fills into a field as a default ("Bezeichnung eingeben",
// "Weitere Notizen", the main window's title): shown in the present
// language. A field that holds one of them in any language, after a change
// of language or read from a file written under another one, gets it in the
// present one. What the rider typed is never rewritten.

#include "ui/language.h"

#include <vector>

class QLineEdit;
class QPlainTextEdit;

namespace trovanta::ui {

// From now on, after every change of language.
void keepDefaults(QLineEdit *field, std::vector<Source> defaults);
void keepDefaults(QPlainTextEdit *field, std::vector<Source> defaults);
// Once, now (after a settings file filled the field).
void showDefault(QLineEdit *field, const std::vector<Source> &defaults);

} // namespace trovanta::ui

#pragma once
// A length limit on what the user types into a line edit that leaves text
// set by the program whole: a longer title read from a file must be neither
// cut on loading nor on saving. (QLineEdit's own limit cuts both.)

#include <QString>

class QLineEdit;

namespace trovanta::ui {

// Typing stops at `limit` characters, or at the length of a longer text the
// program put there, shrinking as the user shortens it.
void limitTyping(QLineEdit *edit, int limit);

// Sets the text of a field whole, however long, even where typing is limited.
void setFieldText(QLineEdit *edit, const QString &text);

} // namespace trovanta::ui

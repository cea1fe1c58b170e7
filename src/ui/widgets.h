#pragma once
// The small pieces every window of fixed layout builds itself from: texts
// written in the sources as UTF-8, plain labels, edits and display panels
// placed at their pixel positions.

#include "ui/tpanel.h"

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QString>

#include <optional>

namespace trovanta::ui {

inline QString utf8(const char *s) { return QString::fromUtf8(s); }

// A label of plain text, its top left at (x, y), as wide as its text.
QLabel *plainLabel(QWidget *parent, const char *name, const QString &text, int x, int y,
                   const std::optional<QFont> &font = std::nullopt);
QLineEdit *lineEdit(QWidget *parent, const char *name, const QString &text, const QRect &geometry);
TPanel *panel(QWidget *parent, const char *name, const QRect &geometry);

// The colour of a label's or panel's text.
void setTextColour(QWidget *w, const QColor &colour);

} // namespace trovanta::ui

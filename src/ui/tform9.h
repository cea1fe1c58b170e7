#pragma once
// The race log's info window: a few lines on how the race log keeps its
// values. Shown beside the race log, not modally.

#include "ui/tdialog.h"

class QPlainTextEdit;

class TForm9 : public TDialog {
    Q_OBJECT
public:
    explicit TForm9(QWidget *parent = nullptr);

    QPlainTextEdit *Memo1; // the text, disabled
};

#pragma once
// The chain calculator's info window: how the values are kept, and thanks.
// Shown by the chain calculator beside itself and closed with it.

#include "ui/tdialog.h"

class QLabel;
class QPlainTextEdit;

class TForm8 : public TDialog {
    Q_OBJECT
public:
    explicit TForm8(QWidget *parent = nullptr);

    QLabel *Label48; // logo
    QPlainTextEdit *Memo1;
};

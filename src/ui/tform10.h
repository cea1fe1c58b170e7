#pragma once
// The centimetre and inch converter.

#include "ui/converterwindow.h"

class TForm10 : public trovanta::ui::ConverterWindow {
    Q_OBJECT
public:
    explicit TForm10(QWidget *parent = nullptr);

    QLineEdit *const Edit_cm = editA_;
    TPanel *const Panel_zoll = panelA_; // cm in Pouce
    QLineEdit *const Edit_zoll = editB_;
    TPanel *const Panel_cm = panelB_; // Pouce in cm
};

#pragma once
// The PS and kW converter.

#include "ui/converterwindow.h"

class TForm3 : public trovanta::ui::ConverterWindow {
    Q_OBJECT
public:
    explicit TForm3(QWidget *parent = nullptr);

    QLineEdit *const Edit_PS = editA_;
    TPanel *const Panel_kW = panelA_; // Cv in kW
    QLineEdit *const Edit_kW = editB_;
    TPanel *const Panel_PS = panelB_; // kW in Cv
};

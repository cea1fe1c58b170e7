#pragma once
// The km/h and mph converter.

#include "ui/converterwindow.h"

class TForm4 : public trovanta::ui::ConverterWindow {
    Q_OBJECT
public:
    explicit TForm4(QWidget *parent = nullptr);

    QLineEdit *const Edit_kmh = editA_;
    TPanel *const Panel_mph = panelA_; // km/h in Mph
    QLineEdit *const Edit_mph = editB_;
    TPanel *const Panel_kmh = panelB_; // Mph in km/h
};

#pragma once
// The three unit converters, one design each.

#include "ui/converterwindow.h"

// PS and kW.
class TForm3 : public trovanta::ui::ConverterWindow {
    Q_OBJECT
public:
    explicit TForm3(QWidget *parent = nullptr);

    QLineEdit *const Edit_PS = editA_;
    TPanel *const Panel_kW = panelA_; // Cv in kW
    QLineEdit *const Edit_kW = editB_;
    TPanel *const Panel_PS = panelB_; // kW in Cv
};

// km/h and mph.
class TForm4 : public trovanta::ui::ConverterWindow {
    Q_OBJECT
public:
    explicit TForm4(QWidget *parent = nullptr);

    QLineEdit *const Edit_kmh = editA_;
    TPanel *const Panel_mph = panelA_; // km/h in Mph
    QLineEdit *const Edit_mph = editB_;
    TPanel *const Panel_kmh = panelB_; // Mph in km/h
};

// Centimetres and inches.
class TForm10 : public trovanta::ui::ConverterWindow {
    Q_OBJECT
public:
    explicit TForm10(QWidget *parent = nullptr);

    QLineEdit *const Edit_cm = editA_;
    TPanel *const Panel_zoll = panelA_; // cm in Pouce
    QLineEdit *const Edit_zoll = editB_;
    TPanel *const Panel_cm = panelB_; // Pouce in cm
};

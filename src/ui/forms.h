#pragma once
// The program's windows, one of each, created at start and living to the
// end. Secondary windows reach the main window through forms().Form1.

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm9;
class TForm10;

namespace trovanta::ui {

struct Forms {
    TForm1 *Form1 = nullptr;   // main window
    TForm2 *Form2 = nullptr;   // info
    TForm3 *Form3 = nullptr;   // PS and kW converter
    TForm4 *Form4 = nullptr;   // km/h and mph converter
    TForm5 *Form5 = nullptr;   // FAQ
    TForm6 *Form6 = nullptr;   // chain calculator
    TForm7 *Form7 = nullptr;   // race log
    TForm8 *Form8 = nullptr;   // chain calculator info
    TForm9 *Form9 = nullptr;   // race log info
    TForm10 *Form10 = nullptr; // centimetre and inch converter
};

Forms &forms();

} // namespace trovanta::ui

using trovanta::ui::forms;

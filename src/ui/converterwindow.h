#pragma once
// The one design of the three unit converters: two rows, each converting
// its own edit into its panel, the first dividing by the factor, the second
// multiplying by it. The values live only in the controls.

#include "ui/language.h"
#include "ui/tpanel.h"

#include "ui/tdialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace trovanta::ui {

struct ConverterRow {
    const char *edit;   // objectName of the edit
    const char *value;  // its text at start
    Source unitIn;      // unit of the edit
    const char *panel;  // objectName of the result panel
    Source unitOut;
};

struct ConverterDesign {
    const char *name;    // objectName of the window
    Source caption;
    ConverterRow rowA;   // A ÷ factor
    ConverterRow rowB;   // B × factor
    double factor;
};

class ConverterWindow : public TDialog {
    Q_OBJECT
public:
    // Converts both rows (nothing when either edit is empty); a text that is
    // no number goes to the error box, and a panel whose step did not run
    // keeps its text.
    void Rechnen();
    // Closes the window, then blanks the main window's diagram.
    void Button_SchliessenClick();

    QLabel *Label48; // logo
    QPushButton *Button_Schliessen;

protected:
    ConverterWindow(const ConverterDesign &design, QWidget *parent);
    void showEvent(QShowEvent *e) override;

    QLineEdit *editA_, *editB_;
    TPanel *panelA_, *panelB_;

private:
    double factor_;
};

} // namespace trovanta::ui

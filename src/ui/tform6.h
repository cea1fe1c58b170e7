#pragma once
// The chain calculator "Catenolix": chain length and axle distance for the
// present and a new pair of sprockets. The values live in the fields, are
// kept in catenolix.ini beside the program and can be printed.

#include "calc/chain.h"
#include "ui/mainrun.h"
#include "ui/tpanel.h"

#include "ui/tdialog.h"
#include <QStringList>

#include <optional>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace trovanta::print {
class Canvas;
}

class TForm6 : public TDialog {
    Q_OBJECT
public:
    // Builds the window and reads the settings file when there is one.
    explicit TForm6(QWidget *parent = nullptr);

    // Where the designation comes from when the window opens: the main
    // window's diagram title.
    void setTitleSource(std::function<QString()> source) { titleSource_ = std::move(source); }
    // The present chain as typed: links, link length, sag.
    trovanta::ui::PresentChain presentChain() const;

    QLabel *Label48; // logo

    // Present drive
    QGroupBox *GroupBox2;
    QLineEdit *E_Solldurchhang, *E_Glieder_alt, *E_Gliedlaenge, *E_Ritzel_alt, *E_Kettenrad_alt;
    TPanel *P_Kettenlaenge_alt, *P_Achsabstand_alt;
    // New drive
    QGroupBox *GroupBox3;
    QLineEdit *E_Ritzel_neu, *E_Kettenrad_neu, *E_Glieder_neu;
    TPanel *P_Kettenlaenge_ist, *P_Kettenlaenge_soll, *P_Achsabstand_neu;
    // Captions; the printout prints them beside the values.
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label10,
        *Label11, *Label12, *Label13;
    QLabel *Label_E_Mopped; // "Moto"

    QGroupBox *GroupBox1; // frame of the calculate button
    QPushButton *B_Berechnen;
    QPlainTextEdit *Ergebnismemo;
    QLineEdit *E_Mopped;
    QPushButton *B_Drucken, *B_Info, *B_Close;
    QCheckBox *CB_ini;

    void B_BerechnenClick();
    void E_Glieder_altChange();
    void B_DruckenClick();
    void B_InfoClick();
    void B_CloseClick();

    // Reads and writes catenolix.ini; SaveIni raises trovanta::Error when
    // the file cannot be written, and the file then stays as it was.
    void LoadIni();
    void SaveIni();

    // The printout on a canvas, from the fields as they stand; raises on a
    // canvas failure.
    void Drucken(trovanta::print::Canvas &canvas) const;

    // The result text line by line; none when it is empty.
    QStringList resultLines() const;

    // What closing saves, also when the program ends with the window open;
    // `terminating`: a failure goes to standard error, not a box.
    void saveAtEnd(bool terminating);

    // Any way of closing (button, close box) comes through here.
    void done(int r) override;

signals:
    void presentChainChanged(const trovanta::ui::PresentChain &chain);

protected:
    void showEvent(QShowEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    void FormCreate();
    void FormShow();
    void FormClose();
    QLineEdit *field(const char *name) const;
    // Writes the last result into the result text, in the present language.
    void showAdvice();

    trovanta::chain::State chain_;
    std::function<QString()> titleSource_;
    // The last result and the text it was shown as; none once the result
    // text was emptied.
    std::optional<trovanta::chain::Advice> advice_;
    QString shownAdvice_;
};

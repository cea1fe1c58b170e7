#pragma once
// The race log "Pistorel": notes on a track day, kept in pistorel.ini beside
// the program, exported as "<track>.txt" and printed. Every value is free
// text that lives in the controls; nothing is checked or computed.

#include "print/racelogsheet.h"
#include "ui/mainrun.h"
#include "ui/tpanel.h"

#include "ui/tdialog.h"
#include <QStringList>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class TForm7 : public TDialog {
    Q_OBJECT
public:
    // Builds the window and runs FormCreate.
    explicit TForm7(QWidget *parent = nullptr);

    // Where the values taken from the main window on opening come from.
    void setMainSource(std::function<trovanta::ui::MainFields()> source) { mainSource_ = std::move(source); }

    QLabel *Label48; // logo
    QGroupBox *GB_Moto, *GB_Pneumatiques, *GB_Demultiplication, *GB_Suspensions, *GB_Moteur, *GB_Freins;
    QGroupBox *GB_Circuit, *GB_Commentaires;

    QLineEdit *Edit5;                                  // type
    QLineEdit *Edit6, *Edit7, *Edit8, *Edit9, *Edit10;      // front tyre: size, maker, model, compound, pressure
    QLineEdit *Edit11, *Edit12, *Edit13, *Edit14, *Edit15;  // rear tyre
    QLineEdit *Edit35, *Edit36, *Edit37;                    // front sprocket, rear sprocket, primary
    QLineEdit *Edit16, *Edit17, *Edit18, *Edit19, *Edit20;  // front suspension: preload .. spring
    QLineEdit *Edit22, *Edit21, *Edit23, *Edit24, *Edit25;  // rear suspension, same columns
    QLineEdit *Edit26, *Edit27, *Edit28, *Edit29;           // air filter, trumpets, manifold, silencer
    QLineEdit *Edit30, *Edit31, *Edit32;                    // mapping, EEPROM, injectors
    QLineEdit *Edit38, *Edit39, *Edit40, *Edit41;           // discs and pads, front then rear
    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit34;      // track, air and track temperature, date, lap time
    QComboBox *CBox_Witterung;                              // weather, editable
    QLabel *Label_Gespeichert;                              // ".txt wurde gespeichert."
    QPlainTextEdit *Memo1;                                  // notes, wrapping at the field's width
    TPanel *Panel1;                                         // gear data file name of the main window
    QPushButton *B_Drucken, *B_Speichern, *B_Info, *B_Close;

    void FormCreate();
    void LoadIni();
    // Takes the type, the rear tyre size, the gearing and the file name from
    // the main window.
    void FormShow();
    // Writes the race log to the program directory, file baseName +
    // extension, under the file's fixed keys whatever the captions say (in
    // any language). Throws trovanta::Error
    // when the file cannot be written (it then stays as it was) or the name
    // leads out of the program directory.
    void Writefile(const QString &baseName, const QString &extension);
    // Runs on every closing: writes pistorel.ini, closes the info window,
    // blanks the main window's diagram.
    void FormClose();
    // What closing saves, also when the program ends with the window open;
    // `terminating`: a failure goes to standard error, not a box.
    void saveAtEnd(bool terminating);

    void B_CloseClick();
    void B_InfoClick();
    void B_SpeichernClick(); // export as "<track>.txt"
    void B_DruckenClick();
    void FeldChange();   // any edit hides the saved notice
    void notesChanged(); // and the notes choose how their lines break
    void Edit7Change();  // leaving the front maker fills an empty rear one
    void Edit12Change(); // and the other way round

    // The notes as the field shows them: wrapped lines count, an empty last
    // line does not.
    QStringList notesLines();
    // What the printout prints, read from the fields and captions now.
    trovanta::print::RaceLogSheetData sheetData();

    // A control of the file layout by objectName, and its text.
    QString fieldText(const char *name) const;
    void setFieldText(const char *name, const QString &text);
    QString caption(const char *labelName) const;

    void done(int result) override;

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    void buildWindow();

    std::function<trovanta::ui::MainFields()> mainSource_;
};

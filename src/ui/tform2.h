#pragma once
// The info window: the credits and two links, one to write a mail to the
// maker, one to the maker's home page.

#include "ui/tdialog.h"

class QFrame;
class QLabel;
class QPushButton;

namespace trovanta::ui {
class TLinkLabel;
}

class TForm2 : public TDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);

    QLabel *Label48; // logo
    QFrame *Panel1;  // holds the labels below
    QLabel *Label2, *Label3; // author, translator
    trovanta::ui::TLinkLabel *Label8;  // mail to the maker
    trovanta::ui::TLinkLabel *Label47; // the maker's home page
    QPushButton *Button1; // "Fermer", hidden until the menu shows the window

    // Shown from the menu, the window offers its close button.
    void offerCloseButton();

    void Label8Click();
    void Label47Click();
    // Closes the window, then blanks the main window's diagram.
    void Button1Click();
};

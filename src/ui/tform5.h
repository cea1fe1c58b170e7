#pragma once
// The FAQ window: one help page at a time, chosen from a topic list, and
// what is new in this version.

#include "ui/tdialog.h"

#include <array>

class QComboBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTextEdit;

namespace trovanta::ui {
class TLinkLabel;
}

class TForm5 : public TDialog {
    Q_OBJECT
public:
    explicit TForm5(QWidget *parent = nullptr);

    QLabel *Label48, *Label1;           // "TROVANTA", "FAQ"
    trovanta::ui::TLinkLabel *Label47;  // the maker's home page
    QComboBox *ComboBox1;               // topics
    QFrame *Bevel1;                     // frames the page area
    QTextEdit *RichEdit0, *RichEdit1, *RichEdit2, *RichEdit3, *RichEdit4, *RichEdit5, *RichEdit6, *RichEdit7,
        *RichEdit8;
    QPlainTextEdit *Memo1;              // "Neu in dieser Version:"
    QPushButton *Button1;               // "Hab's gelesen"

    // Back to topic 0 and the empty page; runs at creation and on every show.
    void FormCreate();
    // Hides all nine pages.
    void RichEdit_leeren();
    // A choice in the topic list.
    void ComboBox1Change();
    // The menu opens the window on its first topic.
    void showFirstTopic();
    // Closes the window, then blanks the main window's diagram.
    void Button1Click();
    void Label47Click();

    // The page each topic shows; topic 0 has none.
    QTextEdit *pageOfTopic(int index) const;

protected:
    void showEvent(QShowEvent *e) override;

private:
    std::array<QTextEdit *, 9> pages() const;
    void place(QTextEdit *page);
};

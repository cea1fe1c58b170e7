#pragma once
// The frame of every secondary window: a fixed dialog with only a system
// menu and a close box. Escape does not close it: a window closes through
// its own button or its close box, as the rider expects of these windows.

#include <QDialog>

class TDialog : public QDialog {
    Q_OBJECT
public:
    explicit TDialog(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *e) override;
};

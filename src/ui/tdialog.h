#pragma once
// The frame of every secondary window: a fixed dialog with only a system
// menu and a close box. Escape does not close it: a window closes through
// its own button or its close box, as the rider expects of these windows.

#include <QDialog>
#include <QPointer>

#include <functional>

class TDialog : public QDialog {
    Q_OBJECT
public:
    explicit TDialog(QWidget *parent = nullptr);
    // Hands back any info window still lent to it.
    ~TDialog() override;

    // The small info window this window shows beside itself; the program
    // sets where it comes from.
    void setInfoWindow(std::function<QDialog *()> source) { infoWindow_ = std::move(source); }

signals:
    // Asks the main window to repaint its diagram area.
    void diagramClearRequested();

protected:
    void keyPressEvent(QKeyEvent *e) override;

    // Shows the info window, lent to this window: shown from a modal window,
    // it must belong to it, or the modal window would block it. A window
    // placed on the screen by the program keeps its place.
    void showInfoWindow(bool activate);
    void closeInfoWindow();

private:
    std::function<QDialog *()> infoWindow_;
    QPointer<QDialog> lent_;
};

#pragma once
// A display field: a sunken panel that shows one text, centred unless told
// otherwise. Empty until the program writes it.

#include <QLabel>
#include <QStaticText>

namespace trovanta::ui {

class TPanel : public QLabel {
    Q_OBJECT
public:
    explicit TPanel(QWidget *parent = nullptr);

protected:
    // Draws what the label would, but lays its text out only when the text
    // or the font changed: a run rewrites many panels, mostly with texts
    // they showed before.
    void paintEvent(QPaintEvent *e) override;

private:
    // The text laid out, for the last two texts shown: a figure that goes
    // to and fro between two values is not laid out again.
    QStaticText laidOut_, laidOutBefore_;
    QFont laidOutFont_;
};

} // namespace trovanta::ui

using trovanta::ui::TPanel;

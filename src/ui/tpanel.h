#pragma once
// A display field: a sunken panel that shows one text, centred unless told
// otherwise. Empty until the program writes it.

#include <QLabel>

namespace trovanta::ui {

class TPanel : public QLabel {
    Q_OBJECT
public:
    explicit TPanel(QWidget *parent = nullptr);
};

} // namespace trovanta::ui

using trovanta::ui::TPanel;

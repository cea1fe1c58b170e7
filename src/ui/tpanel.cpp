#include "ui/tpanel.h"

namespace trovanta::ui {

TPanel::TPanel(QWidget *parent) : QLabel(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAlignment(Qt::AlignCenter);
    setTextFormat(Qt::PlainText);
}

} // namespace trovanta::ui

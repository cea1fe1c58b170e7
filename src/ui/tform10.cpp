#include "ui/tform10.h"

TForm10::TForm10(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("Métrique Pouce"));
    resize(289, 170);
}

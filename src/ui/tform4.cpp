#include "ui/tform4.h"

TForm4::TForm4(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("km/h - Mph"));
    resize(289, 170);
}

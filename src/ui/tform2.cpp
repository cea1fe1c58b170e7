#include "ui/tform2.h"

TForm2::TForm2(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("TROVANTA  Info"));
    resize(446, 380);
}

#include "ui/tform3.h"

TForm3::TForm3(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Cv - kW"));
    resize(289, 170);
}

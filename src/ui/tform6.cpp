#include "ui/tform6.h"

TForm6::TForm6(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Catenolix"));
    resize(465, 520);
}

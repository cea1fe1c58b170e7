#include "ui/tform7.h"

TForm7::TForm7(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Pistorel"));
    resize(799, 550);
}

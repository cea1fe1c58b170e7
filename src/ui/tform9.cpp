#include "ui/tform9.h"

TForm9::TForm9(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("Pistorel Info"));
    resize(306, 238);
}

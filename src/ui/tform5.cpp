#include "ui/tform5.h"

TForm5::TForm5(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Hilfe und Hinweise"));
    resize(584, 552);
}

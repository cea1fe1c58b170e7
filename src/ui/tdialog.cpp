#include "ui/tdialog.h"

#include <QKeyEvent>

TDialog::TDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
}

void TDialog::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        e->ignore();
        return;
    }
    QDialog::keyPressEvent(e);
}

#include "ui/tdialog.h"

#include <QKeyEvent>

TDialog::TDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
}

TDialog::~TDialog()
{
    // A lent info window belongs to the program, not to this window.
    if (lent_ && lent_->parentWidget() == this)
        lent_->setParent(parentWidget(), lent_->windowFlags());
}

void TDialog::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        e->ignore();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TDialog::showInfoWindow(bool activate)
{
    QDialog *info = infoWindow_ ? infoWindow_() : nullptr;
    if (!info)
        return;
    if (info->parentWidget() != this) {
        const QPoint at = info->pos();
        const bool placed = info->testAttribute(Qt::WA_Moved);
        info->setParent(this, info->windowFlags());
        if (placed)
            info->move(at);
    }
    lent_ = info;
    info->show();
    info->raise();
    if (activate)
        info->activateWindow();
}

void TDialog::closeInfoWindow()
{
    if (QDialog *info = infoWindow_ ? infoWindow_() : nullptr)
        info->close();
}

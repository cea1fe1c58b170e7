#include "ui/converterwindow.h"

#include "calc/converter.h"
#include "ui/fonts.h"
#include "ui/labels.h"
#include "ui/platform.h"
#include "ui/widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace trovanta::ui {

namespace {
constexpr int RowHeight = 21;
}

ConverterWindow::ConverterWindow(const ConverterDesign &d, QWidget *parent)
    : TDialog(parent),
      factor_(d.factor)
{
    setObjectName(QString::fromLatin1(d.name));
    keepWindowTitle(this, d.caption);
    setFont(formFont(8));
    setFixedSize(289, 170);

    Label48 = logoLabel(this, "Label48", QStringLiteral("TROVANTA"), 8, 6);

    // A unit, with an arrow after the edit's.
    auto label = [this](const QString &name, const Source &unit, const char *after, int x, int y) {
        QLabel *l = plainLabel(this, name.toLatin1().constData(), QString(), x, y);
        keepTranslated(l, unit, [l, after](const QString &t) {
            l->setText(t + QLatin1String(after));
            l->adjustSize();
        });
        return l;
    };
    auto row = [&](const ConverterRow &r, int top, QLineEdit *&edit, TPanel *&panel) {
        const QString editName = QString::fromLatin1(r.edit);
        const QString panelName = QString::fromLatin1(r.panel);
        edit = lineEdit(this, r.edit, QString::fromUtf8(r.value), QRect(24, top, 65, RowHeight));
        label(QStringLiteral("Label_") + editName, r.unitIn, " -->", 96, top + 4);
        panel = ui::panel(this, r.panel, QRect(152, top, 73, RowHeight));
        label(QStringLiteral("Label_") + panelName, r.unitOut, "", 232, top + 4);
    };
    row(d.rowA, 48, editA_, panelA_);
    row(d.rowB, 80, editB_, panelB_);

    Button_Schliessen = new QPushButton(this);
    Button_Schliessen->setObjectName(QStringLiteral("Button_Schliessen"));
    keepText(Button_Schliessen, tx("trovanta::ui::ConverterWindow", "Fermer"));
    Button_Schliessen->setGeometry(107, 128, 75, 25);
    // Enter in an edit must not close the window.
    Button_Schliessen->setAutoDefault(false);

    connect(editA_, &QLineEdit::textChanged, this, &ConverterWindow::Rechnen);
    connect(editB_, &QLineEdit::textChanged, this, &ConverterWindow::Rechnen);
    connect(Button_Schliessen, &QPushButton::clicked, this, &ConverterWindow::Button_SchliessenClick);
}

void ConverterWindow::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    Rechnen();
}

void ConverterWindow::Rechnen()
{
    const converter::Result r =
        converter::Rechnen(editA_->text().toStdString(), editB_->text().toStdString(), factor_, decimalSeparator());
    if (r.panelA)
        panelA_->setText(QString::fromStdString(*r.panelA));
    if (r.panelB)
        panelB_->setText(QString::fromStdString(*r.panelB));
    if (r.error)
        platform().showError(this, QString::fromStdString(*r.error));
}

void ConverterWindow::Button_SchliessenClick()
{
    close();
    emit diagramClearRequested();
}

} // namespace trovanta::ui

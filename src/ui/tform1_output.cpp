// The main window's output: the printed gear sheet and the diagram bitmap.

#include "ui/tform1.h"
#include "ui/units.h"

#include "calc/error.h"
#include "files/fileerror.h"
#include "print/printercanvas.h"
#include "ui/diagramexport.h"
#include "ui/platform.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

using namespace trovanta;

namespace {

// The window region the bitmap shows, in client coordinates: the diagram
// with its captions, the heading and the file name. Its right edge follows
// the window's width.
constexpr int RegionLeft = 180, RegionRightMargin = 15, RegionBottom = 405;

print::CaptionedValue captioned(const QLabel *caption, const QString &value) { return {caption->text(), value}; }

} // namespace

print::GearSheetData TForm1::gearSheetData() const
{
    print::GearSheetData d;
    d.title = Edit15->text();
    d.fileName = P_Datei->text();
    d.rim = captioned(Label_Edit1, Edit1->text());
    d.tyreWidth = captioned(Label_Edit2, Edit2->text());
    d.tyreHeight = captioned(Label_Edit3, Edit3->text());
    d.circumference = captioned(Label_E_Umfang, E_Umfang->text());
    d.frontSprocket = captioned(Label_Edit4, Edit4->text());
    d.rearSprocket = captioned(Label_Edit5, Edit5->text());
    d.primary = captioned(Label_Edit6, Edit6->text());
    d.finalDrive = captioned(Label_Panel2, Panel2->text());
    const QLineEdit *const gears[6] = {Edit7, Edit8, Edit9, Edit10, Edit11, Edit12};
    const QLabel *const overall[6] = {Panel3, Panel4, Panel5, Panel6, Panel7, Panel8};
    const QLabel *const vmax[6] = {P_Vmax1, P_Vmax2, P_Vmax3, P_Vmax4, P_Vmax5, P_Vmax6};
    const QCheckBox *const shown[6] = {CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6};
    for (std::size_t g = 0; g < 6; ++g) {
        d.gearRatios[g] = gears[g]->text();
        d.overallRatios[g] = overall[g]->text();
        d.vmax[g] = vmax[g]->text();
        d.gearShown[g] = shown[g]->isChecked();
        d.fullScaleSpeed[g] = kept.fullScale[g];
    }
    d.slip = E_Schlupf->text();
    d.shiftMark = EditMarke->text();
    d.redZone = EditRotBereich->text();
    d.shiftMarkOn = CBMarke->isChecked();
    d.redZoneOn = CBRotBereich->isChecked();
    d.speedUnit = ui::currentUnits().speed;
    return d;
}

void TForm1::Drucken2Click()
{
    print::PrintoutPrinter printer(Edit15->text(), print::DialogRange::FirstPageOnly);
    if (ui::platform().execPrintDialog(this, printer)) {
        const print::GearSheetData data = gearSheetData();
        const QDateTime now = ui::platform().now();
        const QLocale locale = ui::platform().locale();
        if (!print::printTo(printer, [&](print::Canvas &c) { print::printGearSheet(c, data, now, locale); }))
            ui::platform().showMessage(this, QString::fromUtf8(print::msg::GearSheetFailure));
    }
    Button_BerechnenClick();
}

void TForm1::DiagrammalsBitmapspeichern1Click()
{
    if (!calculate())
        return;
    try {
        saveDiagramBitmap();
    } catch (const Error &e) {
        ui::platform().showError(this, QString::fromStdString(e.message()));
    }
}

void TForm1::saveDiagramBitmap()
{
    const QString name = Edit15->text() + QStringLiteral(".bmp");
    // The title names a file in the current working directory, never a path
    // into another folder.
    if (name.contains(QLatin1Char('/'))
#ifdef Q_OS_WIN
        || name.contains(QLatin1Char('\\'))
#endif
    )
        throw files::cannotCreate(name);

    // The client area lies below the menu bar; the window itself is grabbed
    // so that the window face is painted as on screen.
    const QPoint origin = centralWidget()->mapTo(this, QPoint(RegionLeft, 0));
    const QRect region(origin, QSize(qMax(1, width() - RegionRightMargin - RegionLeft), RegionBottom));
    const QSize size(PaintBox1->width(), PaintBox1->height() + 20);
    const QImage picture = grab(region)
                               .toImage()
                               .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                               .convertToFormat(QImage::Format_RGB888);
    if (picture.size() != size || !picture.save(name, "BMP"))
        throw files::cannotCreate(name);
    ui::platform().showMessage(this, tr("%1 wurde gespeichert.").arg(name));
}

void TForm1::ExporterDiagramme1Click()
{
    // The picture shows the fields as they stand, as the bitmap does.
    if (!calculate())
        return;
    // The title names the file; a slash would name a folder.
    QString suggested = Edit15->text().trimmed();
    suggested.replace(QLatin1Char('/'), QLatin1Char('-'));
    if (suggested.isEmpty())
        suggested = tr("diagramme");
    QString path = ui::platform().getExportFileName(
        this, tr("Exporter le diagramme"),
        tr("Image PNG (*.png);;Dessin SVG (*.svg);;Document PDF (*.pdf)"), suggested + QStringLiteral(".png"));
    if (path.isEmpty())
        return;
    if (!ui::pictureFormatOf(path))
        path += QStringLiteral(".png");
    if (QFileInfo::exists(path) &&
        !ui::platform().askYesNo(this, tr("%1 existe déjà.\nVoulez-vous le remplacer ?").arg(QFileInfo(path).fileName())))
        return;
    exportDiagram(path);
}

void TForm1::exportDiagram(const QString &path)
{
    ui::DiagramPicture d;
    if (const auto &shown = PaintBox1->diagram())
        d.diagram = *shown;
    d.title = Edit15->text();
    d.speedUnit = Label_kmh->text();
    for (std::size_t i = 0; i < d.speedTexts.size(); ++i)
        d.speedTexts[i] = Label_Speed[i]->text();
    d.rpmCaption = Label_Regime->text();
    try {
        ui::writeDiagramPicture(path, *ui::pictureFormatOf(path), d);
    } catch (const Error &e) {
        ui::platform().showError(this, QString::fromStdString(e.message()));
    }
}

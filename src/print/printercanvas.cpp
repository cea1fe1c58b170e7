#include "print/printercanvas.h"

#include "calc/error.h"
#include "print/paintercanvas.h"

#include <QDir>
#include <QPageSize>
#include <QPainter>

#include <exception>

namespace trovanta::print {

QString presetPdfPath(const QString &title)
{
    QString name;
    for (const QChar c : title) {
        const bool unsafe = c == u'/' || c == u'\\' || c.category() == QChar::Other_Control
#ifdef Q_OS_WIN
            || QStringLiteral(":*?\"<>|").contains(c)
#endif
            ;
        name += unsafe ? u'_' : c;
    }
    name = name.trimmed();
    if (name.isEmpty())
        name = QStringLiteral("Trovanta");
    return QDir::current().absoluteFilePath(name + QStringLiteral(".pdf"));
}

PrintoutPrinter::PrintoutPrinter(const QString &title, DialogRange range) : QPrinter(QPrinter::HighResolution)
{
    setPageSize(QPageSize(QPageSize::A4));
    setPageOrientation(QPageLayout::Portrait);
    setCopyCount(1);
    setDocName(title);
    if (range == DialogRange::FirstPageOnly) {
        setPrintRange(QPrinter::PageRange);
        setFromTo(1, 1);
    }
    const QString installed = outputFormat() == QPrinter::NativeFormat ? printerName() : QString();
#if !defined(Q_OS_UNIX) || defined(Q_OS_MACOS)
    // The native dialogs there have no "Print to File" entry to preset.
    if (!installed.isEmpty())
        return;
#endif
    // Setting a PDF file name switches the printer to PDF, and the dialog
    // would then offer the file first. Go back to the installed printer if
    // there is one; the name stays for "Print to File", and choosing a
    // printer in the dialog clears it.
    setOutputFileName(presetPdfPath(title));
    if (!installed.isEmpty()) {
        setOutputFormat(QPrinter::NativeFormat);
        setPrinterName(installed);
    }
}

PrinterCanvas::PrinterCanvas(QPrinter &printer) : printer_(printer) {}

void PrinterCanvas::requireJob() const
{
    if (!inJob_)
        throw Error("Kein Druckauftrag begonnen");
}

void PrinterCanvas::beginJob()
{
    if (inJob_)
        throw Error("Druckauftrag läuft bereits");
    if (!printer_.isValid())
        throw Error("Kein gültiger Drucker");
    if (printer_.outputFormat() == QPrinter::NativeFormat && printer_.printerName().isEmpty())
        throw Error("Kein Drucker installiert");
    if (printer_.outputFormat() == QPrinter::PdfFormat && printer_.outputFileName().isEmpty())
        throw Error("Keine Ausgabedatei angegeben");
    page_.clear();
    inJob_ = true;
}

void PrinterCanvas::endJob()
{
    requireJob();
    inJob_ = false;
    QPainter painter;
    if (!painter.begin(&printer_))
        throw Error("Der Drucker kann nicht geöffnet werden");
    {
        PainterCanvas out(painter);
        page_.replayPage(out);
    }
    page_.clear();
    if (!painter.end() || printer_.printerState() == QPrinter::Error)
        throw Error("Der Drucker hat den Druckauftrag abgelehnt");
}

void PrinterCanvas::setPenColor(const QColor &color)
{
    requireJob();
    page_.setPenColor(color);
}

void PrinterCanvas::setBrush(const QColor &color, BrushStyle style)
{
    requireJob();
    page_.setBrush(color, style);
}

void PrinterCanvas::line(int x1, int y1, int x2, int y2)
{
    requireJob();
    page_.line(x1, y1, x2, y2);
}

void PrinterCanvas::rectangle(int x1, int y1, int x2, int y2)
{
    requireJob();
    page_.rectangle(x1, y1, x2, y2);
}

void PrinterCanvas::textOut(int x, int y, const QString &text)
{
    requireJob();
    page_.textOut(x, y, text);
}

bool printTo(QPrinter &printer, const std::function<void(Canvas &)> &printout)
{
    try {
        PrinterCanvas canvas(printer);
        printout(canvas);
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

} // namespace trovanta::print

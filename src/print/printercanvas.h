#pragma once
// The printer side of a printout. How a window prints one:
//
//     print::PrintoutPrinter printer(title, print::DialogRange::FirstPageOnly);
//     if (!ui::platform().execPrintDialog(this, printer))
//         return;                      // cancelled: nothing printed, no message
//     GearSheetData data = ...;        // read the fields now, after the dialog
//     if (!print::printTo(printer, [&](print::Canvas &c) {
//             print::printGearSheet(c, data, ui::platform().now(), ui::platform().locale());
//         }))
//         ui::platform().showMessage(this, QString::fromUtf8(print::msg::GearSheetFailure));
//
// The page is built in memory and reaches the printer only when the printout
// ends its job, so a printout that fails halfway prints nothing at all: no
// half page on paper, no half-written PDF file.

#include "print/canvas.h"
#include "print/recordingcanvas.h"

#include <QPrinter>
#include <QString>

#include <functional>

namespace trovanta::print {

enum class DialogRange {
    AllPages,
    FirstPageOnly, // the dialog shows the page range 1 to 1
};

// A printer at its own resolution (a PDF file gets 300 dpi from the print
// dialog), A4, one copy, the document named after the title, and "Print to
// File" preset to the title plus ".pdf" in the current working directory.
// An installed printer stays the dialog's first choice. Meant to go through
// the print dialog, which settles between the printer and the file.
class PrintoutPrinter : public QPrinter {
public:
    explicit PrintoutPrinter(const QString &title, DialogRange range = DialogRange::AllPages);
};

// The file name "Print to File" offers for a title: the title with path
// separators and control characters replaced, plus ".pdf", in the current
// working directory.
QString presetPdfPath(const QString &title);

// A canvas on a printer the print dialog has set up.
class PrinterCanvas : public Canvas {
public:
    explicit PrinterCanvas(QPrinter &printer);

    void beginJob() override;
    void endJob() override;
    void setPenColor(const QColor &color) override;
    void setBrush(const QColor &color, BrushStyle style) override;
    void line(int x1, int y1, int x2, int y2) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void textOut(int x, int y, const QString &text) override;

private:
    void requireJob() const;

    QPrinter &printer_;
    RecordingCanvas page_;
    bool inJob_ = false;
};

// Runs one printout on the printer; true when the page went out, false on
// any failure (the window then shows its printout's failure message).
bool printTo(QPrinter &printer, const std::function<void(Canvas &)> &printout);

} // namespace trovanta::print

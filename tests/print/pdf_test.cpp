// Prints the sheets into real PDF files at 300 dpi, as "Print to File" does,
// and reads them back with poppler's pdftotext: every checked word must
// stand where its device position puts it on the A4 page.
// TROVANTA_KEEP_PRINTS=<folder> keeps the files for a look.

#include "print/chainsheet.h"
#include "print/gearsheet.h"
#include "print/printercanvas.h"
#include "print/racelogsheet.h"
#include "print/sheets.h"
#include "support/pdf_words.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace trovanta;
using namespace trovanta::print;
using namespace trovanta::test;

namespace {

// Prints one sheet the way a window does, the print dialog choosing a PDF
// file (at 300 dpi).
PdfPage printedToPdf(const QString &path, const std::function<void(Canvas &)> &printout, QPointF *origin)
{
    // As the print dialog leaves a printer that prints to a PDF file.
    PrintoutPrinter printer("Test");
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setResolution(300);
    EXPECT_EQ(printer.resolution(), 300);
    *origin = printer.pageLayout().paintRectPoints().topLeft();
    EXPECT_TRUE(printTo(printer, printout));
    return pdfPage(path);
}

void expectWordAt(const PdfPage &page, const QPointF &origin, const QString &text, int x, int y)
{
    const double px = origin.x() + pt(x), py = origin.y() + pt(y);
    double best = 1e9;
    for (const PdfWord &w : page.words) {
        if (w.text != text)
            continue;
        const double d = std::hypot(w.xMin - px, w.yMin - py);
        best = std::min(best, d);
        if (d < 1.5) {
            // An 8 point font: the word's box is about 9 points high.
            EXPECT_GT(w.yMax - w.yMin, 7.0) << text.toStdString();
            EXPECT_LT(w.yMax - w.yMin, 11.0) << text.toStdString();
            return;
        }
    }
    ADD_FAILURE() << '"' << text.toStdString() << "\" not at (" << x << ", " << y << "); nearest "
                  << (best > 1e8 ? std::string("nowhere") : std::to_string(best) + " pt away");
}

class PdfPrint : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!havePdfToText())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        ASSERT_TRUE(tmp.isValid());
        folder = printsFolder(tmp.path());
    }
    QTemporaryDir tmp;
    QString folder;
};

} // namespace

TEST_F(PdfPrint, GearSheetFillsAnA4PageWithEveryTextInItsPlace)
{
    GearSheetData d = defaultGearSheet();
    d.fileName = "tl1000.tva";
    QPointF origin;
    const PdfPage page = printedToPdf(folder + "/gearsheet.pdf",
                                 [&](Canvas &c) { printGearSheet(c, d, PrintMoment, German); }, &origin);
    EXPECT_NEAR(page.width, 595.3, 0.5);
    EXPECT_NEAR(page.height, 841.9, 0.5);

    const struct {
        const char *word;
        int x, y;
    } words[] = {
        {"08.12.26", 200, 300},
        {"14:05:09", 500, 300},
        {"TROVANTA", 1000, 300},
        {"Übersetzungsdiagramm", 200, 400},
        {"Datei:", 200, 450},
        {"km/h", 225, 500},
        {"350", 225, 550},
        {"0", 292, 1990},
        {"16", 1892, 1990},
        {"Drehzahl", 1992, 1990},
        {"Hinterrad:", 200, 2200},
        {"Diamètre", 350, 2250},
        {"Gangübersetzungen:", 1200, 2200},
        {"Gesamtübersetzung:", 1200, 2600},
        {"Vmax", 1550, 2600},
        {"332", 1550, 2900},
        {"Trovanta", 200, 3000},
        {"Download:", 200, 3050},
        {"Kontakt:", 200, 3100},
    };
    for (const auto &w : words)
        expectWordAt(page, origin, QString::fromUtf8(w.word), w.x, w.y);

    // Everything lies on the page.
    for (const PdfWord &w : page.words) {
        EXPECT_LT(w.xMax, page.width) << w.text.toStdString();
        EXPECT_LT(w.yMax, page.height) << w.text.toStdString();
    }
}

TEST_F(PdfPrint, ChainAndRaceLogSheetsPrintTheirLines)
{
    QPointF origin;
    const PdfPage chain = printedToPdf(folder + "/chainsheet.pdf", [](Canvas &c) {
        printChainSheet(c, calculatedChainSheet(), PrintMoment, German);
    }, &origin);
    expectWordAt(chain, origin, "Catenolix", 200, 400);
    expectWordAt(chain, origin, "Ergebnis:", 200, 1450);
    expectWordAt(chain, origin, "Achsabstand", 250, 1650);

    const PdfPage raceLog = printedToPdf(folder + "/racelog.pdf", [](Canvas &c) {
        printRaceLogSheet(c, filledRaceLog(), PrintMoment, German);
    }, &origin);
    expectWordAt(raceLog, origin, "Pistorel", 200, 400);
    expectWordAt(raceLog, origin, "Couronne38", 250, 900);
    expectWordAt(raceLog, origin, "Sonstiges", 200, 2200);
    expectWordAt(raceLog, origin, "Vorne", 250, 2350);
}

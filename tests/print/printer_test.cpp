#include "print/paintercanvas.h"
#include "print/printercanvas.h"
#include "print/sheets.h"
#include "support/files.h"

#include "calc/error.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace trovanta;
using namespace trovanta::print;
using namespace trovanta::test;

namespace {

// An image standing in for a 300 dpi printer page.
QImage page300(int w, int h, QColor fill)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.setDotsPerMeterX(11811);
    img.setDotsPerMeterY(11811);
    img.fill(fill);
    return img;
}

template <typename Draw>
QImage drawn(QImage img, Draw draw)
{
    QPainter p(&img);
    PainterCanvas canvas(p);
    draw(canvas);
    p.end();
    return img;
}

struct Box {
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
};

Box boundsOf(const QImage &img, const std::function<bool(QRgb)> &hit)
{
    Box b;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (hit(img.pixel(x, y))) {
                b.left = std::min(b.left, x), b.right = std::max(b.right, x);
                b.top = std::min(b.top, y), b.bottom = std::max(b.bottom, y);
            }
    return b;
}

bool isDark(QRgb c) { return qRed(c) < 100 && qGreen(c) < 100 && qBlue(c) < 100; }

} // namespace

TEST(PainterCanvas, TextHangsFromItsTopLeftCornerInBlack)
{
    const QImage img = drawn(page300(300, 200, Qt::white), [](Canvas &c) {
        c.setPenColor(Qt::red); // text ignores the pen
        c.textOut(50, 100, "H");
    });
    const Box ink = boundsOf(img, isDark);
    ASSERT_GE(ink.right, 0) << "no text drawn";
    // The H's top sits a little below y (the ascent is above the cap height),
    // never above it; a baseline at y would put the whole letter above.
    EXPECT_GE(ink.top, 100);
    EXPECT_LE(ink.top, 112);
    EXPECT_GE(ink.left, 50);
    EXPECT_LE(ink.left, 56);
    EXPECT_EQ(boundsOf(img, [](QRgb c) { return qRed(c) > 200 && qGreen(c) < 50; }).right, -1);
}

TEST(PainterCanvas, HatchIsTransparentAndTheOutlineStopsBeforeTheFarCorner)
{
    const QColor blue(0, 0, 255), grey(128, 128, 128), red(255, 0, 0);
    for (bool reversed : {false, true}) {
        const QImage img = drawn(page300(300, 300, blue), [&](Canvas &c) {
            c.setPenColor(grey);
            c.setBrush(red, BrushStyle::DiagCross);
            if (reversed)
                c.rectangle(200, 200, 100, 100);
            else
                c.rectangle(100, 100, 200, 200);
        });
        EXPECT_EQ(img.pixelColor(100, 150), grey);
        EXPECT_EQ(img.pixelColor(199, 150), grey);
        EXPECT_EQ(img.pixelColor(200, 150), blue);
        EXPECT_EQ(img.pixelColor(150, 100), grey);
        EXPECT_EQ(img.pixelColor(150, 199), grey);
        EXPECT_EQ(img.pixelColor(150, 200), blue);
        int reds = 0, blues = 0, others = 0;
        for (int y = 102; y < 198; ++y)
            for (int x = 102; x < 198; ++x) {
                const QColor c = img.pixelColor(x, y);
                (c == red ? reds : c == blue ? blues : others)++;
            }
        EXPECT_GT(reds, 500);
        EXPECT_GT(blues, 5000); // the background shows between the hatch lines
        EXPECT_EQ(others, 0);
    }
}

TEST(PainterCanvas, SolidBrushFillsAndLinesUseThePen)
{
    const QColor green(0, 128, 0), white(255, 255, 255);
    const QImage img = drawn(page300(300, 300, white), [&](Canvas &c) {
        c.setBrush(green, BrushStyle::Solid);
        c.rectangle(10, 10, 60, 60);
        c.setPenColor(QColor(255, 0, 255));
        c.line(100, 150, 250, 150);
    });
    EXPECT_EQ(img.pixelColor(35, 35), green);
    EXPECT_EQ(img.pixelColor(10, 35), QColor(Qt::black)); // a job starts with a black pen
    EXPECT_EQ(img.pixelColor(175, 150), QColor(255, 0, 255));
    EXPECT_EQ(img.pixelColor(175, 151), white); // 1 unit wide
    EXPECT_EQ(img.pixelColor(175, 149), white);
}

TEST(PrinterCanvas, FailuresAreErrorsAndLeaveNoPage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());

    // A PDF in a folder that does not exist cannot be opened.
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFileName(dir.filePath("fehlt/blatt.pdf"));
        PrinterCanvas canvas(printer);
        canvas.beginJob();
        canvas.textOut(200, 300, "x");
        EXPECT_THROW(canvas.endJob(), Error);
    }
    // No output file chosen.
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        PrinterCanvas canvas(printer);
        EXPECT_THROW(canvas.beginJob(), Error);
    }
    // A printout failing halfway leaves a file of the same name as it was.
    {
        const QString path = dir.filePath("alt.pdf");
        writeBytes(path, "vorher");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFileName(path);
        GearSheetData d = defaultGearSheet();
        d.shiftMark = "abc";
        EXPECT_FALSE(printTo(printer, [&](Canvas &c) { printGearSheet(c, d, PrintMoment, German); }));
        EXPECT_EQ(readBytes(path), QByteArray("vorher"));
    }
    // And a new file is not even created.
    {
        const QString path = dir.filePath("neu.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFileName(path);
        EXPECT_FALSE(printTo(printer, [](Canvas &c) {
            c.beginJob();
            c.textOut(200, 300, "halb");
            throw Error("mitten im Druck");
        }));
        EXPECT_FALSE(QFile::exists(path));
    }
}

TEST(PrintoutPrinter, PresetsTheFileAndKeepsItsSettingsThroughTheFormatSwitch)
{
    const QString title = "Übersetzungsdiagramm Suzuki TL 1000 S '97 original";
    PrintoutPrinter printer(title, DialogRange::FirstPageOnly);
    EXPECT_EQ(printer.outputFileName(), presetPdfPath(title));
    EXPECT_EQ(printer.docName(), title);
    EXPECT_EQ(printer.copyCount(), 1);
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4);
    EXPECT_EQ(printer.printRange(), QPrinter::PageRange);
    EXPECT_EQ(std::make_pair(printer.fromPage(), printer.toPage()), std::make_pair(1, 1));
}

TEST(PrintoutPrinter, PresetFileNameLiesInTheWorkingDirectory)
{
    const struct {
        const char *title, *file;
    } cases[] = {
        {"Übersetzungsdiagramm Suzuki TL 1000 S '97 original", "Übersetzungsdiagramm Suzuki TL 1000 S '97 original.pdf"},
        {"Pistorel 190/50-17", "Pistorel 190_50-17.pdf"},
        {"a\\b", "a_b.pdf"},
        {"Tab\there", "Tab_here.pdf"},
        {"v1.2", "v1.2.pdf"},
        {"", "Trovanta.pdf"},
        {"   ", "Trovanta.pdf"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(presetPdfPath(c.title), QDir::current().absoluteFilePath(c.file)) << c.title;
}

// The main window's output: the gear sheet printed into a real PDF file and
// read back, and the diagram bitmap. TROVANTA_KEEP_PRINTS=<folder> keeps the
// files for a look.

#include "window_driver.h"

#include "print/gearsheet.h"
#include "support/files.h"
#include "support/pdf_words.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace trovanta;
using namespace trovanta::test;

namespace {

// The text that starts at (x, y) on the page, as many words as `expected`
// has; positions relative to a word whose place on the sheet is known.
QString textAt(const std::vector<PdfWord> &words, const PdfWord &anchor, QPoint anchorAt, int x, int y,
               const QString &expected)
{
    const double px = anchor.xMin + pt(x - anchorAt.x()), py = anchor.yMin + pt(y - anchorAt.y());
    std::vector<const PdfWord *> line;
    for (const PdfWord &w : words)
        if (std::abs(w.yMin - py) < 1.5 && w.xMin > px - 1.5)
            line.push_back(&w);
    std::sort(line.begin(), line.end(), [](auto *a, auto *b) { return a->xMin < b->xMin; });
    if (line.empty() || std::abs(line.front()->xMin - px) > 1.5)
        return QStringLiteral("<nothing there>");
    QStringList out;
    const qsizetype n = expected.split(u' ').size();
    for (qsizetype i = 0; i < n && i < qsizetype(line.size()); ++i)
        out << line[std::size_t(i)]->text;
    return out.join(u' ');
}

struct BmpHeader {
    QByteArray type;
    qint32 width, height;
    quint16 bitCount;
    quint32 compression;
};

BmpHeader bmpHeader(const QByteArray &b)
{
    if (b.size() < 54)
        return {};
    const char *d = b.constData();
    return {b.left(2), qFromLittleEndian<qint32>(d + 18), qFromLittleEndian<qint32>(d + 22),
            qFromLittleEndian<quint16>(d + 28), qFromLittleEndian<quint32>(d + 30)};
}

// Share of the pixels in `area` that pass `test`.
template <class Test> double share(const QImage &im, const QRect &area, Test test)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += test(im.pixelColor(x, y));
    return double(n) / (area.width() * area.height());
}

bool reddish(const QColor &c) { return c.red() > 150 && c.green() < 120 && c.blue() < 120; }
bool dark(const QColor &c) { return qGray(c.rgb()) < 100; }
bool greenish(const QColor &c) { return c.green() > c.red() + 40 && c.green() > c.blue() + 40; }

} // namespace

class MainOutput : public MainWindowTest {
protected:
    MainOutput()
    {
        folder = printsFolder(work.path());
        QDir::setCurrent(folder);
    }
    ~MainOutput() override
    {
        w.reset();
        QDir::setCurrent(startDir);
    }

    QString out(const QString &name) const { return folder + u'/' + name; }

    const QString startDir = QDir::currentPath();
    QTemporaryDir work;
    QString folder;
};

TEST_F(MainOutput, GearSheetPrintsTheWindowAsItStands)
{
    if (!havePdfToText())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const QString pdf = out("gearsheet.pdf");
    QFile::remove(pdf);
    mouseClick(w->Button_Berechnen);
    w->P_Datei->setText("tl1000.tva");
    w->Label_Edit4->setText("Ritzel"); // captions count as they read at print time
    retype(w->Edit7, "2,80");          // values as typed, before any run took them
    platform.printToPdf = pdf;
    runs = 0;
    w->Drucken2->trigger();
    EXPECT_EQ(platform.printDialogs, 1);
    EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join('|').toStdString();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(w->Panel3->text(), "11,516") << "the run after printing takes the new ratio";

    const std::vector<PdfWord> words = pdfPage(pdf).words;
    const auto anchor = std::find_if(words.begin(), words.end(), [](const PdfWord &w) { return w.text == "Hinterrad:"; });
    ASSERT_NE(anchor, words.end());
    const struct {
        int x, y;
        const char *text;
    } lines[] = {
        {200, 400, "Übersetzungsdiagramm Suzuki TL 1000 S '97 original"},
        {200, 450, "Datei: tl1000.tva"},
        {350, 2250, "Diamètre de jante (\"): 17"},
        {350, 2400, "Développement (mm): 1953"},
        {350, 2550, "Ritzel: 17"},
        {350, 2700, "Secondaire: 2,235"},
        {1350, 2250, "1: 2,80"},
        {1350, 2650, "1: 10,982"},
        {1550, 2600, "Vmax bei: 12000 U/min (roter Bereich)"},
        {1550, 2650, "128 km/h"},
        {1550, 2900, "332 km/h bei 3% Schlupf"},
    };
    for (const auto &l : lines)
        EXPECT_EQ(textAt(words, *anchor, {200, 2200}, l.x, l.y, utf8(l.text)), utf8(l.text))
            << "at (" << l.x << ", " << l.y << ")";
}

TEST_F(MainOutput, PrintingThatIsCancelledOrFailsStillRuns)
{
    const QString failure = utf8(print::msg::GearSheetFailure);
    struct Case {
        const char *name;
        QString pdf;      // empty: the dialog is cancelled
        const char *mark; // shift mark text
        QStringList messages, errors;
    };
    const std::vector<Case> cases = {
        {"cancelled", "", "6000", {}, {}},
        {"shift mark no integer", out("abc.pdf"), "abc", {failure}, {utf8("'abc' ist kein gültiger Integerwert.")}},
        {"file in a missing folder", out("fehlt/x.pdf"), "6000", {failure}, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        w->EditMarke->setText(c.mark);
        platform.clear();
        platform.printToPdf = c.pdf;
        runs = 0;
        w->Drucken2->trigger();
        EXPECT_EQ(platform.messages, c.messages);
        EXPECT_EQ(platform.errors, c.errors) << "only the run after printing reports";
        EXPECT_EQ(runs, 1);
        if (!c.pdf.isEmpty()) {
            EXPECT_FALSE(QFile::exists(c.pdf)) << "nothing half printed";
        }
    }
}

TEST_F(MainOutput, DiagramBitmapOfTheWindowRegion)
{
    const QString title = w->Edit15->text();
    const QString bmp = out(title + ".bmp");
    writeBytes(bmp, "alt"); // an older export of the same name is replaced
    runs = 0;
    w->DiagrammalsBitmapspeichern1->trigger();
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(platform.errors.isEmpty()) << platform.errors.join('|').toStdString();
    EXPECT_EQ(platform.messages, QStringList{title + ".bmp wurde gespeichert."});

    const QByteArray bytes = readBytes(bmp);
    const BmpHeader h = bmpHeader(bytes);
    EXPECT_EQ(h.type, "BM");
    EXPECT_EQ(h.width, 571);
    EXPECT_EQ(h.height, 371);
    EXPECT_EQ(h.bitCount, 24);
    EXPECT_EQ(h.compression, 0u);
    EXPECT_EQ(bytes.size(), 54 + 371 * 1716); // rows padded to four bytes

    // The region (180, 0)-(780, 405) of the client area, shrunk to 571 x 371:
    // the diagram area starts at (22, 24) of it.
    const QImage im(bmp);
    ASSERT_EQ(im.size(), QSize(571, 371));
    EXPECT_GT(share(im, QRect(95, 0, 180, 14), dark), 0.05) << "heading across the top";
    EXPECT_GT(share(im, QRect(483, 359, 78, 11), dark), 0.05) << "engine speed caption at the foot";
    EXPECT_GT(share(im, QRect(440, 40, 115, 290), reddish), 0.2) << "red zone from 12000 rpm";
    EXPECT_GT(share(im, QRect(223, 60, 3, 240), greenish), 0.2) << "shift mark at 6000 rpm";

    // A wider window gives a wider region, squeezed into the same size.
    w->resize(995, 600);
    platform.clear();
    w->DiagrammalsBitmapspeichern1->trigger();
    const QImage wide(bmp);
    ASSERT_EQ(wide.size(), QSize(571, 371));
    EXPECT_GT(share(wide, QRect(166, 60, 4, 240), greenish), 0.1) << "shift mark moved left";
    EXPECT_LT(share(wide, QRect(223, 60, 3, 240), greenish), 0.05);
}

TEST_F(MainOutput, DiagramBitmapFailures)
{
    ASSERT_TRUE(QDir(folder).mkpath("belegt.bmp"));
    ASSERT_TRUE(QDir(folder).mkpath("Suzuki"));
    struct Case {
        const char *name;
        const char *title;
        const char *front; // Edit4
        QStringList errors;
        QStringList messages;
    };
    const std::vector<Case> cases = {
        {"a folder of that name", "belegt", "17", {"Datei belegt.bmp kann nicht erstellt werden."}, {}},
        {"a title that names another folder", "Suzuki/TL", "17", {"Datei Suzuki/TL.bmp kann nicht erstellt werden."},
         {}},
        {"the run fails first", "Fehler", "x", {utf8("'x' ist kein gültiger Integerwert.")}, {}},
        {"empty title", "", "17", {}, {".bmp wurde gespeichert."}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        w->Edit15->setText(c.title);
        w->Edit4->setText(c.front);
        platform.clear();
        w->DiagrammalsBitmapspeichern1->trigger();
        EXPECT_EQ(platform.errors, c.errors);
        EXPECT_EQ(platform.messages, c.messages);
        EXPECT_EQ(QFileInfo(out(QString::fromUtf8(c.title) + ".bmp")).isFile(), !c.messages.isEmpty());
    }
}

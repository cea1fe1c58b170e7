// "Exporter le diagramme…": the picture in three formats through a save
// dialog that starts on the title, with a question before a file is replaced.

#include "window_driver.h"

#include "support/files.h"
#include "support/pdf_words.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace trovanta;
using namespace trovanta::test;

namespace {

class DiagramExport : public MainWindowTest {
protected:
    QString exported(const QString &name)
    {
        const QString path = QDir(printsFolder(work.path())).filePath(name);
        platform.fileAnswers = {path};
        w->ExporterDiagramme1->trigger();
        return path;
    }
    QTemporaryDir work;
};

TEST_F(DiagramExport, PngSvgAndPdfHoldTheDiagramAndItsTitle)
{
    w->Edit15->setText("TL 1000 S / kurz");
    const QString png = exported("d.png");
    EXPECT_EQ(platform.dialogNames, QStringList{"TL 1000 S - kurz.png"}) << "a slash names no folder";
    EXPECT_TRUE(platform.dialogFilters.value(0).contains("*.svg"));
    EXPECT_TRUE(platform.errors.isEmpty()) << platform.errors.join('|').toStdString();

    const QImage im(png);
    ASSERT_FALSE(im.isNull());
    EXPECT_EQ(im.size(), QSize(631, 425) * 2);
    // Gear 1 ends at (570, 180) of the area, which lies at (44, 34).
    int aqua = 0;
    for (int y = 2 * 205; y < 2 * 224; ++y)
        for (int x = 2 * 600; x < 2 * 615; ++x)
            aqua += im.pixelColor(x, y) == QColor(0, 255, 255);
    EXPECT_GT(aqua, 10);
    EXPECT_EQ(im.pixelColor(2 * 300, 2 * 340), QColor(240, 240, 240)) << "the light face";

    const QByteArray svg = readBytes(exported("d.svg"));
    EXPECT_TRUE(svg.contains("<svg")) << svg.left(200).toStdString();
    EXPECT_TRUE(svg.contains("TL 1000 S / kurz"));
    EXPECT_TRUE(svg.contains("#00ffff")) << "gear 1's colour";

    const QString pdf = exported("d.PDF");
    EXPECT_TRUE(readBytes(pdf).startsWith("%PDF"));
    if (havePdfToText()) {
        QStringList words;
        for (const PdfWord &wd : pdfPage(pdf).words)
            words << wd.text;
        EXPECT_TRUE(words.contains("kurz")) << words.join(' ').toStdString();
        EXPECT_TRUE(words.contains("350"));
    }
    EXPECT_TRUE(platform.questions.isEmpty());
}

TEST_F(DiagramExport, ReplacingAsksFirstAndAnUnknownSuffixBecomesPng)
{
    const QString path = QDir(printsFolder(work.path())).filePath("d.png");
    writeBytes(path, "old");
    platform.yesAnswers = {false};
    exported("d.png");
    EXPECT_EQ(platform.questions.size(), 1);
    EXPECT_EQ(readBytes(path), "old");
    exported("d.png"); // Yes
    EXPECT_FALSE(QImage(path).isNull());

    exported("d");
    EXPECT_FALSE(QImage(path).isNull());
    EXPECT_EQ(platform.questions.size(), 3) << "d.png existed again";
}

TEST_F(DiagramExport, AFailingRunOrAFolderThatIsNotThereStopsIt)
{
    w->Edit4->setText("x");
    exported("a.png");
    EXPECT_TRUE(platform.dialogNames.isEmpty()) << "no dialog after the run's error";
    EXPECT_EQ(platform.errors.size(), 1);
    w->Edit4->setText("17");
    platform.clear();
    exported("nirgends/a.png");
    EXPECT_EQ(platform.errors.size(), 1);
    EXPECT_FALSE(QFileInfo::exists(QDir(printsFolder(work.path())).filePath("nirgends/a.png")));
}

} // namespace

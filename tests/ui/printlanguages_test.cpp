// The printouts in every language: their own words translated, and every
// text still clear of the next one on its line and on the page, as the
// sheets place them at fixed positions.

#include "languages.h"
#include "window_driver.h"

#include "print/paintercanvas.h"
#include "print/printercanvas.h"
#include "print/racelogsheet.h"
#include "print/recordingcanvas.h"
#include "support/pdf_words.h"
#include "support/placed_text.h"
#include "ui/tform6.h"
#include "ui/tform7.h"

#include <QFontMetrics>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <tuple>
#include <vector>

using namespace trovanta;
using namespace trovanta::test;

namespace {

// Texts on one line keep a gap to the next one and end inside the
// printable width of an A4 page at 300 dpi, measured in the printout font.
void expectClearOfEachOther(const print::RecordingCanvas &page)
{
    print::PrintoutPrinter printer("Test");
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(300);
    const int pageWidth = printer.pageLayout().paintRectPixels(300).width();
    QImage device(1, 1, QImage::Format_RGB32);
    device.setDotsPerMeterX(11811); // 300 dpi
    device.setDotsPerMeterY(11811);
    const QFontMetrics fm(print::printoutFont(device), &device);

    std::map<int, std::vector<PlacedText>> lines;
    for (const PlacedText &t : textsOf(page))
        lines[t.y].push_back(t);
    for (auto &[y, texts] : lines) {
        std::sort(texts.begin(), texts.end(), [](const PlacedText &a, const PlacedText &b) { return a.x < b.x; });
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const int end = texts[i].x + fm.horizontalAdvance(texts[i].text);
            const int limit = i + 1 < texts.size() ? texts[i + 1].x - fm.averageCharWidth() : pageWidth;
            EXPECT_LE(end, limit) << '"' << texts[i].text.toStdString() << "\" at " << texts[i].x << ", " << y;
        }
    }
}

// The same on a printed page: no word runs into the next one on its line,
// and none leaves the page.
void expectClearOfEachOther(const PdfPage &page)
{
    std::vector<PdfWord> words = page.words;
    std::sort(words.begin(), words.end(), [](const PdfWord &a, const PdfWord &b) {
        return std::abs(a.yMin - b.yMin) > 1 ? a.yMin < b.yMin : a.xMin < b.xMin;
    });
    for (std::size_t i = 0; i < words.size(); ++i) {
        EXPECT_LE(words[i].xMax, page.width) << words[i].text.toStdString();
        if (i + 1 < words.size() && std::abs(words[i + 1].yMin - words[i].yMin) <= 1) {
            EXPECT_LE(words[i].xMax, words[i + 1].xMin)
                << words[i].text.toStdString() << " / " << words[i + 1].text.toStdString();
        }
    }
}

using PrintoutLanguage = InLanguage<RegisteredMainWindowTest>;

} // namespace

// Each sheet in every language: a word of its own (the gear sheet's with
// its value put in), and every text clear of the next one.
TEST_P(PrintoutLanguage, TextsFitTheirColumnsAndSpeakTheLanguage)
{
    const struct {
        ui::Language language;
        const char *vmax, *result, *other;
    } cases[] = {
        {ui::Language::Original, "Vmax bei: ", "Ergebnis:", "Sonstiges"},
        {ui::Language::French, "Vmax à: ", "Résultat:", "Divers"},
        {ui::Language::German, "Vmax bei: ", "Ergebnis:", "Sonstiges"},
        {ui::Language::English, "Vmax at: ", "Result:", "Other"},
    };
    const auto &c = rowFor(cases, GetParam());
    switchTo(GetParam());
    // The worked example of the chain calculator and a race log filled in.
    TForm6 f;
    ui::enrol(&f);
    f.show();
    for (const auto &[e, text] : {std::pair(f.E_Glieder_alt, "110"), std::pair(f.E_Ritzel_alt, "15"),
                                  std::pair(f.E_Kettenrad_alt, "45"), std::pair(f.E_Ritzel_neu, "14"),
                                  std::pair(f.E_Kettenrad_neu, "50")})
        e->setText(text);
    f.B_BerechnenClick();
    print::RecordingCanvas chain, raceLog;
    f.Drucken(chain);
    TForm7 log;
    ui::enrol(&log);
    log.show();
    for (QLineEdit *e : log.findChildren<QLineEdit *>())
        if (e->text().isEmpty())
            e->setText("12,5");
    print::printRaceLogSheet(raceLog, log.sheetData(), platform.now(), platform.locale());
    for (const auto &[sheet, page, word] :
         {std::tuple("chain sheet", &chain, PlacedText{200, 1450, utf8(c.result)}),
          std::tuple("race log sheet", &raceLog, PlacedText{200, 2200, utf8(c.other)})}) {
        SCOPED_TRACE(sheet);
        expectClearOfEachOther(*page);
        const std::vector<PlacedText> texts = textsOf(*page);
        EXPECT_NE(std::find(texts.begin(), texts.end(), word), texts.end());
    }

    // The main window's gear sheet as printed, its red zone put in its line.
    if (!havePdfToText())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    SCOPED_TRACE("gear sheet");
    platform.printToPdf = programDir.file("gearsheet.pdf");
    w->Drucken2->trigger();
    EXPECT_TRUE(platform.messages.isEmpty());
    const PdfPage page = pdfPage(platform.printToPdf);
    expectClearOfEachOther(page);
    QStringList words;
    for (const PdfWord &word : page.words)
        words << word.text;
    EXPECT_TRUE(words.join(' ').contains(utf8(c.vmax) + w->EditRotBereich->text())) << words.join(' ').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, PrintoutLanguage, EveryLanguage, languageName);

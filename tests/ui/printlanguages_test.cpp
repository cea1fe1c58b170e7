// The printouts in every language: their own words and the windows'
// captions translated, and every text still clear of the next one on its
// line and on the page, as the sheets place them at fixed positions.

#include "languages.h"
#include "window_driver.h"

#include "print/paintercanvas.h"
#include "print/printercanvas.h"
#include "print/racelogsheet.h"
#include "print/recordingcanvas.h"
#include "support/pdf_words.h"
#include "support/placed_text.h"
#include "ui/language.h"
#include "ui/tform6.h"
#include "ui/tform7.h"

#include <QFontMetrics>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

using namespace trovanta;
using namespace trovanta::test;

namespace {

class PrintoutLanguage : public RegisteredMainWindowTest, public ::testing::WithParamInterface<ui::Language> {
protected:
    void TearDown() override { switchTo(ui::Language::Original); }

    // The main window's gear sheet, printed to a PDF file.
    PdfPage gearSheet()
    {
        const QString pdf = programDir.file("gearsheet.pdf");
        platform.printToPdf = pdf;
        w->Drucken2->trigger();
        EXPECT_TRUE(platform.messages.isEmpty());
        return pdfPage(pdf);
    }
    // The worked example of the chain calculator, calculated.
    static print::RecordingCanvas chainSheet(TForm6 &f)
    {
        f.show();
        f.E_Glieder_alt->setText("110");
        f.E_Ritzel_alt->setText("15");
        f.E_Kettenrad_alt->setText("45");
        f.E_Ritzel_neu->setText("14");
        f.E_Kettenrad_neu->setText("50");
        f.B_BerechnenClick();
        print::RecordingCanvas c;
        f.Drucken(c);
        return c;
    }
    print::RecordingCanvas raceLogSheet(TForm7 &log) const
    {
        log.show();
        for (QLineEdit *e : log.findChildren<QLineEdit *>())
            if (e->text().isEmpty())
                e->setText("12,5");
        print::RecordingCanvas c;
        print::printRaceLogSheet(c, log.sheetData(), platform.now(), platform.locale());
        return c;
    }
};


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

} // namespace

TEST_P(PrintoutLanguage, TextsFitTheirColumns)
{
    switchTo(GetParam());
    TForm6 chain;
    ui::enrol(&chain);
    TForm7 log;
    ui::enrol(&log);
    if (havePdfToText()) {
        SCOPED_TRACE("gear sheet");
        expectClearOfEachOther(gearSheet());
    }
    {
        SCOPED_TRACE("chain sheet");
        expectClearOfEachOther(chainSheet(chain));
    }
    {
        SCOPED_TRACE("race log sheet");
        expectClearOfEachOther(raceLogSheet(log));
    }
}

// A word of each sheet's own and of the letterhead in the language chosen.
TEST_P(PrintoutLanguage, SheetsSpeakTheLanguageChosen)
{
    struct Case {
        ui::Language language;
        const char *overall, *vmax, *result, *contact;
    };
    const Case cases[] = {
        {ui::Language::Original, "Gesamtübersetzung:", "Vmax bei: ", "Ergebnis:", "Kontakt: "},
        {ui::Language::French, "Rapport total:", "Vmax à: ", "Résultat:", "Contact: "},
        {ui::Language::German, "Gesamtübersetzung:", "Vmax bei: ", "Ergebnis:", "Kontakt: "},
        {ui::Language::English, "Overall ratio:", "Vmax at: ", "Result:", "Contact: "},
    };
    const auto c = std::find_if(std::begin(cases), std::end(cases),
                                [](const Case &c) { return c.language == GetParam(); });
    ASSERT_NE(c, std::end(cases));
    switchTo(GetParam());

    TForm6 f;
    ui::enrol(&f);
    const std::vector<PlacedText> chain = textsOf(chainSheet(f));
    EXPECT_NE(std::find(chain.begin(), chain.end(), PlacedText{200, 1450, utf8(c->result)}), chain.end());
    EXPECT_NE(std::find_if(chain.begin(), chain.end(),
                           [&](const PlacedText &t) { return t.y == 3100 && t.text.startsWith(utf8(c->contact)); }),
              chain.end());

    // The gear sheet as printed: its words where the sheet puts them.
    if (!havePdfToText())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const PdfPage page = gearSheet();
    QStringList words;
    for (const PdfWord &word : page.words)
        words << word.text;
    const QString text = words.join(' ');
    EXPECT_TRUE(text.contains(utf8(c->overall))) << text.toStdString();
    EXPECT_TRUE(text.contains(utf8(c->vmax) + w->EditRotBereich->text())) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, PrintoutLanguage,
                         EveryLanguage,
                         languageName);

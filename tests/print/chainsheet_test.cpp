#include "print/chainsheet.h"
#include "print/sheets.h"

#include <gtest/gtest.h>

using namespace trovanta::print;
using namespace trovanta::test;

TEST(ChainSheet, LinesStandAtTheirPlacesInOrder)
{
    const std::vector<PlacedText> expected = letterheadTexts("Catenolix Suzuki TL 1000 S", {
        {200, 500, "Transmission actuelle"},
        {250, 550, "Soll-Durchhang der Kette (cm): 2"},
        {250, 600, "Longueur de chaine actuelle: 108"},
        {250, 650, "Länge eines Kettengliedes (cm): 1,56"},
        {250, 700, "Pignon 17"},
        {250, 750, "Couronne 38"},
        {250, 800, "aktuelle Kettenlänge (cm): 168,48"},
        {250, 850, "aktueller Achsabstand (cm): 59,87"},
        {200, 1000, "Nouvelle transmission"},
        {250, 1050, "Pignon 16"},
        {250, 1100, "couronne 40"},
        {250, 1150, "Longueur de chaine (maillon) 108"},
        {250, 1200, "IST - Kettenlänge (cm): 168,48"},
        {250, 1250, "SOLL - Kettenlänge (cm): 170,10"},
        {250, 1300, "SOLL - Achsabstand (cm): 59,87"},
        {200, 1450, "Ergebnis:"},
        // The empty third line leaves its gap at 1600.
        {250, 1500, "Die Kette ist zu kurz."},
        {250, 1550, "Bitte 2 Glieder einbauen."},
        {250, 1650, "Achsabstand neu: 59,87 cm"},
        {250, 1700, "Ende"},
    });
    const auto texts = jobTexts(printed(calculatedChainSheet()));
    EXPECT_EQ(texts, expected);
    for (const PlacedText &t : texts)
        EXPECT_FALSE(t.text.startsWith("Datei:")) << "the chain printout has no file line";
}

TEST(ChainSheet, NeverCalculatedPrintsCaptionsWithABlankAndNoResult)
{
    ChainSheetData d = calculatedChainSheet();
    d.present[5].value.clear();
    d.present[6].value.clear();
    d.next[3].value.clear();
    d.next[4].value.clear();
    d.next[5].value.clear();
    d.resultLines.clear();
    const auto texts = jobTexts(printed(d));
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back(), (PlacedText{200, 1450, "Ergebnis:"}));
    EXPECT_EQ(texts[7 + 6], (PlacedText{250, 800, "aktuelle Kettenlänge (cm): "}));
    EXPECT_EQ(texts[7 + 14], (PlacedText{250, 1300, "SOLL - Achsabstand (cm): "}));
}

TEST(ChainSheet, LongResultRunsPastTheFootWithoutPageBreak)
{
    ChainSheetData d = calculatedChainSheet();
    d.resultLines.clear();
    for (int i = 0; i < 40; ++i)
        d.resultLines << QString("Zeile %1").arg(i);
    const auto texts = jobTexts(printed(d));
    EXPECT_EQ(texts[texts.size() - 40 + 30], (PlacedText{250, 3000, "Zeile 30"}));
    EXPECT_EQ(texts.back(), (PlacedText{250, 3450, "Zeile 39"}));
}

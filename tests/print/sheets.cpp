#include "print/sheets.h"

#include "calc/product.h"

#include <gtest/gtest.h>

namespace trovanta::test {

using namespace print;

GearSheetData defaultGearSheet()
{
    GearSheetData d;
    d.title = QStringLiteral("Übersetzungsdiagramm Suzuki TL 1000 S '97 original");
    d.rim = {QStringLiteral("Diamètre de jante (\")"), QStringLiteral("17")};
    d.tyreWidth = {QStringLiteral("Largeur pneu(mm)"), QStringLiteral("190")};
    d.tyreHeight = {QStringLiteral("Hauteur pneu (%)"), QStringLiteral("50")};
    d.circumference = {QStringLiteral("Développement (mm)"), QStringLiteral("1953")};
    d.frontSprocket = {QStringLiteral("Pignon"), QStringLiteral("17")};
    d.rearSprocket = {QStringLiteral("Couronne"), QStringLiteral("38")};
    d.primary = {QStringLiteral("Primaire"), QStringLiteral("1,84")};
    d.finalDrive = {QStringLiteral("Secondaire"), QStringLiteral("2,235")};
    d.gearRatios = {"2,67", "1,93", "1,50", "1,23", "1,09", "1,00"};
    // What the calculation run gives for the design's set.
    d.overallRatios = {"10,982", "7,938", "6,169", "5,059", "4,483", "4,113"};
    d.vmax = {"128", "177", "228", "270", "304", "332"};
    d.slip = QStringLiteral("3");
    d.shiftMark = QStringLiteral("6000");
    d.redZone = QStringLiteral("12000");
    d.fullScaleSpeed = {170, 236, 303, 359, 405, 441};
    return d;
}

ChainSheetData calculatedChainSheet()
{
    ChainSheetData d;
    d.designation = QStringLiteral("Suzuki TL 1000 S");
    d.presentGroup = QStringLiteral("Transmission actuelle");
    d.present = {{{"Soll-Durchhang der Kette (cm):", "2"},
                  {"Longueur de chaine actuelle:", "108"},
                  {"Länge eines Kettengliedes (cm):", "1,56"},
                  {"Pignon", "17"},
                  {"Couronne", "38"},
                  {"aktuelle Kettenlänge (cm):", "168,48"},
                  {"aktueller Achsabstand (cm):", "59,87"}}};
    d.newGroup = QStringLiteral("Nouvelle transmission");
    d.next = {{{"Pignon", "16"},
               {"couronne", "40"},
               {"Longueur de chaine (maillon)", "108"},
               {"IST - Kettenlänge (cm):", "168,48"},
               {"SOLL - Kettenlänge (cm):", "170,10"},
               {"SOLL - Achsabstand (cm):", "59,87"}}};
    d.resultLines = {"Die Kette ist zu kurz.", "Bitte 2 Glieder einbauen.", "", "Achsabstand neu: 59,87 cm",
                     "Ende"};
    return d;
}

RaceLogSheetData filledRaceLog()
{
    RaceLogSheetData d;
    d.type = QStringLiteral("Suzuki TL 1000 S");
    d.tyres = {"Pneumatiques", "Avant: ", "Arrière: "};
    d.tyreColumns = {{{"Dimension", "120/70-17", "190/50-17"},
                      {"Marque", "Dunlop", "Dunlop"},
                      {"Modèle", "D211", "D211"},
                      {"Type", "M", "MS"},
                      {"Press.", "2,1", "1,9"}}};
    d.gearingGroup = QStringLiteral("Démultiplication");
    d.gearing = {{{"Pignon ", "17"}, {"Couronne", "38"}, {"Primaire ", "1,84"}}};
    d.brakes = {"Freins", "Avant", "Arrière"};
    d.brakeColumns = {{{"Disques", "320", "220"}, {"Plaquettes", "SBS", "EBC"}}};
    d.engine = {{{"Filtre à air", "K&N"},
                 {"Cornets", "kurz"},
                 {"Collecteur", "Serie"},
                 {"Silencieux", "Akra"},
                 {"Mapping", "2"},
                 {"Eeprom ", "Race"},
                 {"Injecteurs", "Serie"}}};
    d.suspension = {"Suspensions", "Avant: ", "Arrière: "};
    d.suspensionColumns = {{{"Précharge", "5", "6"},
                            {"Détente", "8", "10"},
                            {"Compression", "12", "11"},
                            {"Hauteur", "0", "+3"},
                            {"Ressort", "0,95", "95"}}};
    d.trackGroup = QStringLiteral("Circuit");
    d.track = {{{"Nom: ", "Hockenheim"},
                {"Température d air (°C)", "24"},
                {"Température de piste(°C)", "38"},
                {"Sensations", "sonnig"},
                {"Date", "08.12.26"},
                {"Temps au tour", "1:52,3"}}};
    d.file = {QStringLiteral("Fichier"), QStringLiteral("tl1000.tva")};
    d.notes = {"Weitere Notizen", "Vorne 1 Klick härter"};
    return d;
}

RecordingCanvas printed(const GearSheetData &d)
{
    RecordingCanvas canvas;
    printGearSheet(canvas, d, PrintMoment, German);
    return canvas;
}

RecordingCanvas printed(const ChainSheetData &d)
{
    RecordingCanvas canvas;
    printChainSheet(canvas, d, PrintMoment, German);
    return canvas;
}

RecordingCanvas printed(const RaceLogSheetData &d)
{
    RecordingCanvas canvas;
    printRaceLogSheet(canvas, d, PrintMoment, German);
    return canvas;
}

std::vector<CanvasCall> callsOfKind(const RecordingCanvas &canvas, CanvasCall::Kind kind)
{
    std::vector<CanvasCall> out;
    for (const CanvasCall &c : canvas.calls())
        if (c.kind == kind)
            out.push_back(c);
    return out;
}

std::vector<PlacedText> jobTexts(const RecordingCanvas &canvas)
{
    EXPECT_EQ(canvas.calls().front().kind, CanvasCall::BeginJob);
    EXPECT_EQ(canvas.calls().back().kind, CanvasCall::EndJob);
    return textsOf(canvas);
}

std::vector<PlacedText> letterheadTexts(const QString &subtitle, const std::vector<PlacedText> &body)
{
    std::vector<PlacedText> texts = {{200, 300, "08.12.26"},
                                     {500, 300, "14:05:09"},
                                     {1000, 300, "TROVANTA 2.11"},
                                     {200, 400, subtitle},
                                     {200, 3000, QString::fromUtf8(product::DistributionNotice)},
                                     {200, 3050, "Download: " + QString::fromUtf8(product::HomePage)},
                                     {200, 3100, "Kontakt: " + QString::fromUtf8(product::MailAddress)}};
    texts.insert(texts.end(), body.begin(), body.end());
    return texts;
}

} // namespace trovanta::test

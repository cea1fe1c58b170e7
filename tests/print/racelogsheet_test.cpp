#include "print/racelogsheet.h"
#include "print/sheets.h"

#include <gtest/gtest.h>

using namespace trovanta::print;
using namespace trovanta::test;

namespace {

RaceLogSheetData emptyRaceLog()
{
    RaceLogSheetData d = filledRaceLog();
    d.type.clear();
    for (auto *cols : {&d.tyreColumns, &d.suspensionColumns})
        for (auto &c : *cols)
            c.front.clear(), c.rear.clear();
    for (auto &c : d.brakeColumns)
        c.front.clear(), c.rear.clear();
    for (auto &v : d.gearing)
        v.value.clear();
    for (auto &v : d.engine)
        v.value.clear();
    for (auto &v : d.track)
        v.value.clear();
    d.file.value.clear();
    d.notes.clear();
    return d;
}

} // namespace

TEST(RaceLogSheet, BodyStandsAtItsPlacesWithItsConcatenations)
{
    const RecordingCanvas canvas = printed(filledRaceLog());
    EXPECT_EQ(jobTexts(canvas), letterheadTexts("Pistorel Suzuki TL 1000 S", {
        {200, 500, "Pneumatiques"},
        {250, 550, "Dimension Avant: 120/70-17; Arrière: 190/50-17"},
        {250, 600, "Marque Avant: Dunlop; Arrière: Dunlop"},
        {250, 650, "Modèle Avant: D211; Arrière: D211"},
        {250, 700, "Type Avant: M; Arrière: MS"},
        {250, 750, "Press. Avant: 2,1; Arrière: 1,9"},
        {200, 800, "Démultiplication"},
        {250, 850, "Pignon 17"},
        {250, 900, "Couronne38"},
        {250, 950, "Primaire 1,84"},
        {200, 1000, "Freins"},
        {250, 1050, "Disques Avant320; Arrière220"},
        {250, 1100, "Plaquettes AvantSBS; ArrièreEBC"},
        {200, 1150, "Filtre à airK&N"},
        {250, 1200, "Cornetskurz"},
        {250, 1250, "CollecteurSerie"},
        {250, 1300, "SilencieuxAkra"},
        {200, 1350, "Mapping2"},
        {250, 1400, "Eeprom Race"},
        {250, 1450, "InjecteursSerie"},
        {200, 1550, "Suspensions"},
        {250, 1600, "Précharge Avant: 5; Arrière: 6"},
        {250, 1650, "Détente Avant: 8; Arrière: 10"},
        {250, 1700, "Compression Avant: 12; Arrière: 11"},
        {250, 1750, "Hauteur Avant: 0; Arrière: +3"},
        {250, 1800, "Ressort Avant: 0,95; Arrière: 95"},
        {200, 1850, "Circuit"},
        {250, 1900, "Nom: Hockenheim"},
        {250, 1950, "Température d air (°C)24"},
        {250, 2000, "Température de piste(°C)38"},
        {250, 2050, "Sensationssonnig"},
        {250, 2100, "Date08.12.26"},
        {250, 2150, "Temps au tour1:52,3"},
        {200, 2200, "Sonstiges"},
        {250, 2250, "Fichiertl1000.tva"},
        {250, 2300, "Weitere Notizen"},
        {250, 2350, "Vorne 1 Klick härter"},
    }));
    // The race log chooses no pen or brush of its own.
    EXPECT_TRUE(callsOfKind(canvas, CanvasCall::PenColor).empty());
    EXPECT_TRUE(callsOfKind(canvas, CanvasCall::Brush).empty());
}

TEST(RaceLogSheet, EmptyFieldsPrintTheirCaptionsAlone)
{
    const auto texts = jobTexts(printed(emptyRaceLog()));
    const auto at = [&](int y) {
        for (const PlacedText &t : texts)
            if (t.y == y && t.x != 500) // (500, 300) is the time
                return t.text;
        return QString("<none>");
    };
    EXPECT_EQ(at(400), "Pistorel ");
    EXPECT_EQ(at(550), "Dimension Avant: ; Arrière: ");
    EXPECT_EQ(at(900), "Couronne");
    EXPECT_EQ(at(950), "Primaire ");
    EXPECT_EQ(at(1050), "Disques Avant; Arrière");
    EXPECT_EQ(at(1900), "Nom: ");
    EXPECT_EQ(at(2250), "Fichier");
    // No notes: nothing below the file line but the foot of the letterhead.
    EXPECT_EQ(texts.back(), (PlacedText{250, 2250, "Fichier"}));
}

TEST(RaceLogSheet, CaptionsAreTheLabelsGiven)
{
    RaceLogSheetData d = filledRaceLog();
    d.tyres = {"Tyres", "Front: ", "Rear: "};
    d.tyreColumns[0].caption = "Size";
    d.gearing[1].caption = "Rear sprocket ";
    const auto texts = jobTexts(printed(d));
    const auto has = [&](const PlacedText &t) { return std::find(texts.begin(), texts.end(), t) != texts.end(); };
    EXPECT_TRUE(has({200, 500, "Tyres"}));
    EXPECT_TRUE(has({250, 550, "Size Front: 120/70-17; Rear: 190/50-17"}));
    EXPECT_TRUE(has({250, 900, "Rear sprocket 38"}));
    EXPECT_TRUE(has({200, 2200, "Sonstiges"})); // fixed, not a caption
}

TEST(RaceLogSheet, NotesRunOnBelowTheFootWithoutPageBreak)
{
    RaceLogSheetData d = filledRaceLog();
    d.notes.clear();
    for (int i = 1; i <= 20; ++i)
        d.notes << QString("Notiz %1").arg(i);
    d.notes[2].clear(); // an empty line keeps its step
    const auto texts = jobTexts(printed(d));
    const std::vector<PlacedText> tail(texts.end() - 19, texts.end());
    EXPECT_EQ(tail[0], (PlacedText{250, 2300, "Notiz 1"}));
    EXPECT_EQ(tail[1], (PlacedText{250, 2350, "Notiz 2"}));
    EXPECT_EQ(tail[2], (PlacedText{250, 2450, "Notiz 4"}));
    EXPECT_EQ(tail[13], (PlacedText{250, 3000, "Notiz 15"}));
    EXPECT_EQ(tail[18], (PlacedText{250, 3250, "Notiz 20"}));
}

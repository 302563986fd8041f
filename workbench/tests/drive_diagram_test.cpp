// SPDX-License-Identifier: GPL-3.0-or-later
// The drive diagram: what it says of each kind of drive, with the key numbers
// computed exactly and in the user's separator, and a document that stays
// well-formed whatever was typed.

#include "workbench/drive_diagram.h"

#include <QString>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace cnc::workbench {
namespace {

Evaluation stepsPerUnit(std::string label, std::string value) {
    Evaluation evaluation;
    evaluation.results.push_back({std::move(label), std::move(value)});
    return evaluation;
}

struct Described {
    const char* name;
    State state;
    std::string_view separator;
    Evaluation evaluation;
    std::string words;
};

// clang-format off
const Described kDrives[] = {
    {"the command line's defaults", {}, ".", stepsPerUnit("Step/mm", "133.333333333"),
     "Motore: 200 passi/giro, × 2 (mezzo passo); Diretto: 1:1; Vite: passo 3 mm, 3 mm/giro; "
     "Step/mm: 133.333333333"},
    {"four starts through pulleys",
     {{"micropassi", "16"}, {"passo-vite", "2"}, {"principi", "4"}, {"ingranaggi", ""},
      {"motore", "20"}, {"vite", "40"}}, ".", {},
     "Motore: 200 passi/giro, × 16 micropassi; Pulegge e cinghia: motore 20 denti, condotta 40 "
     "denti, rapporto 40:20; Vite: passo 2 mm, 4 principi, 8 mm/giro"},
    {"threads per inch, rounded", {{"filetti-pollice", "12"}, {"principi", "2"}}, ",", {},
     "Motore: 200 passi/giro, × 2 (mezzo passo); Diretto: 1:1; Vite: 12 filetti/pollice, "
     "2 principi, ≈ 4,2333 mm/giro"},
    {"one start is the pitch", {{"passo-vite", "5"}, {"principi", "1"}}, ".", {},
     "Motore: 200 passi/giro, × 2 (mezzo passo); Diretto: 1:1; Vite: passo 5 mm, 5 mm/giro"},
    {"a belt by profile",
     {{"angolo-passo", "0,9"}, {"passo-intero", ""}, {"puleggia-asse", "20"},
      {"profilo-cinghia", "gt2"}}, ",", stepsPerUnit("Step/mm", "10,000000000"),
     "Motore: 0,9° per passo, × 1 (passo intero); Diretto: 1:1; Cinghia: gt2, 20 denti, "
     "40 mm/giro; Step/mm: 10,000000000"},
    {"a belt by pitch", {{"puleggia-asse", "15"}, {"profilo-cinghia", "2,032"}}, ",", {},
     "Motore: 200 passi/giro, × 2 (mezzo passo); Diretto: 1:1; Cinghia: passo 2,032 mm, "
     "15 denti, 30,48 mm/giro"},
    {"a wheel after gears", {{"rapporto", "5:1"}, {"diametro-ruota", "7,3"}}, ",", {},
     "Motore: 200 passi/giro, × 2 (mezzo passo); Riduttore: rapporto 5:1; Ruota: Ø 7,3 mm, "
     "π × 7,3 mm/giro"},
    {"a rack by module", {{"denti-pignone", "20"}, {"modulo", "1,5"}}, ",", {},
     "Motore: 200 passi/giro, × 2 (mezzo passo); Diretto: 1:1; Cremagliera: modulo 1,5, "
     "20 denti, π × 30 mm/giro"},
    {"a rack by pitch", {{"denti-pignone", "18"}, {"passo-cremagliera", "5"}}, ".", {},
     "Motore: 200 passi/giro, × 2 (mezzo passo); Diretto: 1:1; Cremagliera: passo 5 mm, "
     "18 denti, 90 mm/giro"},
    {"a rotary table", {{"rotativo", ""}, {"rapporto", "90:1"}}, ",",
     stepsPerUnit("Step/grado", "50,000000000"),
     "Motore: 200 passi/giro, × 2 (mezzo passo); Riduttore: rapporto 90:1; Tavola rotante: "
     "360° per giro; Step/grado: 50,000000000"},
    {"steps per mm known", {{"step-mm", "93"}}, ".", {},
     "Motore: 200 passi/giro, × 2 (mezzo passo); Diretto: 1:1; Asse: 93 step/mm noti"},
    {"a pitch that is no number", {{"passo-vite", "tre"}}, ".", {},
     "Motore: 200 passi/giro, × 2 (mezzo passo); Diretto: 1:1; Vite: passo tre mm"},
    {"a long text cut, the last of twice",
     {{"passi", "1234567890123"}, {"micropassi", "8"}, {"micropassi", "32"}}, ".",
     stepsPerUnit("Interasse", "83.69 mm"),
     "Motore: 1234567890… passi/giro, × 32 micropassi; Diretto: 1:1; Vite: passo 3 mm, "
     "3 mm/giro"},
};
// clang-format on

TEST(DriveDiagram, SaysEachDriveWithItsNumbers) {
    for (const Described& drive : kDrives) {
        EXPECT_EQ(driveDescription(drive.state, drive.evaluation, drive.separator), drive.words)
            << drive.name;
    }
}

TEST(DriveDiagram, TakesTheStepsPerMmTheWorkbenchFinds) {
    const State gt2{{"micropassi", "16"}, {"puleggia-asse", "20"}, {"profilo-cinghia", "GT2"}};
    const std::string svg = driveDiagram(gt2, evaluate(gt2, ".", ""), ".");
    EXPECT_NE(svg.find(">Step/mm 80.000000000</text>"), std::string::npos) << svg;
}

// Typed markup, a control character and bytes that are no UTF-8 come back as
// text; the document holds only the diagram's own elements.
TEST(DriveDiagram, StaysWellFormedWhateverIsTyped) {
    const State typed{
        {"passi", "<a>&\"'</a>"}, {"micropassi", "\x01\xff\xc0\xaf"}, {"passo-vite", "]]><!--"}};
    const std::string svg = driveDiagram(typed, {}, ".");
    const std::string painted = withColours(svg, {"#010203", "#040506", "#070809", "#0a0b0c"});
    const std::set<QString> drawn{"svg",    "title", "style",   "g",   "rect",
                                  "circle", "path",  "ellipse", "text"};
    for (const std::string& document : {svg, painted}) {
        QXmlStreamReader reader(QByteArray::fromStdString(document));
        QString label;
        while (reader.readNext() != QXmlStreamReader::Invalid && !reader.atEnd()) {
            if (!reader.isStartElement()) continue;
            EXPECT_TRUE(drawn.contains(reader.name().toString()))
                << reader.name().toString().toStdString();
            if (reader.name() == QLatin1String("svg")) {
                label = reader.attributes().value("aria-label").toString();
                EXPECT_EQ(reader.attributes().value("role"), QLatin1String("img"));
            }
        }
        EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString() << "\n" << document;
        EXPECT_EQ(label.toStdString(),
                  "Motore: <a>&\"'</a> passi/giro, × \uFFFD\uFFFD\uFFFD\uFFFD micropassi; "
                  "Diretto: 1:1; Vite: passo ]]><!-- mm");
    }
    EXPECT_EQ(painted.find("var("), std::string::npos);
    EXPECT_NE(painted.find("stroke:#010203"), std::string::npos);
}

}  // namespace
}  // namespace cnc::workbench

// SPDX-License-Identifier: GPL-3.0-or-later
// The workbench's window as a screen reader sees it: for each drive, the
// result fields found through the accessibility tree hold the command line's
// own lines for the same options, in the C locale and in Italian; a text
// typed or set through the accessibility interface answers at once, an input
// that cannot be used is marked beside it, «Copia» copies, and "--banco"
// fills the window in. The answers stay in view as the inputs scroll, and
// every text stays legible in light and dark palettes. The window speaks the
// environment's language (ctest runs it in Italian and in English), so the
// texts looked for are the Italian ones through the catalogue.

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMap>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <sstream>

#include "calc/translation.h"
#include "calc/user_language.h"
#include "cli/command_line.h"
#include "test_support.h"
#include "ui/qt_text.h"
#include "ui/workbench_arguments.h"
#include "ui/workbench_look.h"
#include "ui/workbench_window.h"

namespace cnc::ui::test {
namespace {

using workbench::State;

// `italian` as the window shows it, in the language of the messages.
QString shownAs(std::string_view italian) { return qText(_(italian)); }

bool isResultLabel(const QString& name) {
    for (const std::string_view label : workbench::resultLabels()) {
        if (name == shownAs(label)) return true;
    }
    return false;
}

// What is shown: each result by its label, and the firmware lines.
struct Shown {
    QMap<QString, QString> results;
    QString firmwareLines;
};

// The shown text fields of the tree under `node` named as a result or as the
// firmware lines, with their values.
void collectShown(QAccessibleInterface* node, Shown& shown) {
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child || child->state().invisible) continue;
        const QString name = child->text(QAccessible::Name);
        if (child->role() == QAccessible::EditableText) {
            if (isResultLabel(name)) shown.results.insert(name, child->text(QAccessible::Value));
            if (name == shownAs(workbench::kFirmwareLinesLabel)) {
                shown.firmwareLines = child->text(QAccessible::Value);
            }
        }
        collectShown(child, shown);
    }
}

Shown shownBy(QWidget& window) {
    Shown shown;
    collectShown(QAccessible::queryAccessibleInterface(&window), shown);
    return shown;
}

// The command line's output for `state`, split as the window shows it: the
// "Label: value" lines of its results, and the rest, its firmware lines.
Shown printedFor(const State& state, const cli::Separators& separators, int& status) {
    std::ostringstream out;
    std::ostringstream err;
    status = cli::runCommandLine(workbench::argumentsOf(state), separators, out, err);
    Shown printed;
    QStringList firmware;
    // Keeping the empty lines between firmware sections.
    for (const QString& line : QString::fromStdString(out.str()).trimmed().split('\n')) {
        if (line.isEmpty() && firmware.isEmpty()) continue;
        const qsizetype colon = line.indexOf(QLatin1String(": "));
        if (colon > 0 && isResultLabel(line.left(colon))) {
            printed.results.insert(line.left(colon), line.mid(colon + 2));
        } else {
            firmware << line;
        }
    }
    printed.firmwareLines = firmware.join('\n');
    return printed;
}

// The entries of a link, read in the current locale.
workbench::Entries entriesFor(const QString& address) {
    const auto state = workbench::stateOfAddress(address.toStdString(),
                                                 QLocale().decimalPoint().toStdString());
    const auto entries = state ? workbench::entriesOf(*state) : std::nullopt;
    if (!entries) qFatal("the workbench cannot show %s", qPrintable(address));
    return *entries;
}

// The text attributes assistive technology reads at the start of `field`.
QString textAttributes(QWidget* field) {
    int start = 0;
    int end = 0;
    return QAccessible::queryAccessibleInterface(field)->textInterface()->attributes(0, &start, &end);
}

template <typename T = QWidget>
T* named(QWidget& window, const QString& name) {
    return control<T>(window, name.toUtf8().constData());
}

constexpr auto kGt2 = "micropassi=16&puleggia-asse=20&profilo-cinghia=GT2&firmware=klipper";

}  // namespace

class WorkbenchWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        qInfo("in the language \"%s\"", useTheEnvironmentsLanguage().c_str());
    }
    void init() { watchdog_ = std::make_unique<ModalWatchdog>(); }
    void cleanup();
    void showsWhatTheCommandLinePrints_data();
    void showsWhatTheCommandLinePrints();
    void inputsAreNamedAndDescribed();
    void inputGivesItsValue_data();
    void inputGivesItsValue();
    void everyChangeOfTextAnswers_data();
    void everyChangeOfTextAnswers();
    void unusableInputIsMarkedBesideIt_data();
    void unusableInputIsMarkedBesideIt();
    void calibrationLinesReplaceTheDrives();
    void copyPutsTheFirmwareLinesOnTheClipboard();
    void commonScrewFillsTheScrew_data();
    void commonScrewFillsTheScrew();
    void argumentsFillTheWorkbench_data();
    void argumentsFillTheWorkbench();
    void answersStayInViewAsTheInputsScroll_data();
    void answersStayInViewAsTheInputsScroll();
    void legibleInThePalette_data();
    void legibleInThePalette();

private:
    // The window filled with the state of `address`, shown.
    WorkbenchWindow& open(const QString& address) {
        window_ = std::make_unique<WorkbenchWindow>(entriesFor(address));
        window_->show();
        if (!QTest::qWaitForWindowExposed(window_.get())) qFatal("the workbench was not shown");
        return *window_;
    }

    std::unique_ptr<ModalWatchdog> watchdog_;
    std::unique_ptr<WorkbenchWindow> window_;
    const QPalette palette_ = QApplication::palette();
};

void WorkbenchWindowTest::cleanup() {
    window_.reset();
    QApplication::setPalette(palette_);
    QLocale::setDefault(QLocale::c());
    const QStringList dialogs = watchdog_->takeClosed();
    watchdog_.reset();
    QVERIFY2(dialogs.isEmpty(), qPrintable("unexpected dialog: " + dialogs.join(" | ")));
}

void WorkbenchWindowTest::showsWhatTheCommandLinePrints_data() {
    QTest::addColumn<QString>("address");
    const struct {
        const char* name;
        const char* address;
    } drives[] = {
        {"3D printer, GT2 20 teeth, 1/16", kGt2},
        {"router, 5 mm screw, 1/8, 3:1",
         "micropassi=8&passo-vite=5&ingranaggi&motore=20&vite=60&cinta=200&firmware=grbl"},
        {"0.9 degree motor", "angolo-passo=0.9&micropassi=16&passo-vite=8&firmware=marlin&asse=Z"},
        {"T8x8 on Z", "micropassi=16&passo-vite=2&principi=4&strato=0.2&firmware=reprapfirmware&asse=Z"},
        {"1/2\"-10 ACME, inch machine",
         "micropassi=8&filetti-pollice=10&pollici&strato=0.008&velocita=1.5&firmware=linuxcnc"},
        {"extruder, 50:17 onto 7.3 mm",
         "micropassi=16&diametro-ruota=7.3&rapporto=50%3A17&firmware=klipper&asse=E"},
        {"gantry on a rack of module 1.5",
         "micropassi=8&denti-pignone=20&modulo=1.5&firmware=linuxcnc&asse=Y&giunto=1%2C2"},
        {"rack by its pitch, grblHAL", "denti-pignone=25&passo-cremagliera=5&firmware=grblhal"},
        {"known steps per mm, to Klipper", "micropassi=16&step-mm=93&firmware=klipper&asse=E"},
        {"rotary table on a 90:1 worm",
         "micropassi=16&rotativo&rapporto=90%3A1&frequenza-max=40&firmware=linuxcnc"},
        {"no belt, no centre distance", "micropassi=16&passo-vite=8"},
        {"a speed linked with a comma", "micropassi=16&passo-vite=8&velocita=30,5"},
        {"a speed linked with a point", "micropassi=16&passo-vite=8&velocita=30.5"},
        {"the command line with no options", ""},
    };
    for (const auto& drive : drives) {
        for (const char* locale : {"C", "it"}) {
            QTest::addRow("%s, %s", drive.name, locale) << QString::fromUtf8(drive.address);
        }
    }
}

void WorkbenchWindowTest::showsWhatTheCommandLinePrints() {
    QFETCH(QString, address);
    const bool italian = QByteArray(QTest::currentDataTag()).endsWith(", it");
    QLocale::setDefault(italian ? QLocale(QLocale::Italian, QLocale::Italy) : QLocale::c());
    const cli::Separators separators = italian ? cli::Separators{",", "."} : cli::Separators{".", ","};

    // The command line is asked what the window asks: its inputs' state.
    int status = 0;
    const Shown printed = printedFor(workbench::stateOf(entriesFor(address)), separators, status);
    QCOMPARE(status, 0);
    QVERIFY(!printed.results.isEmpty());

    const Shown shown = shownBy(open(address));
    QCOMPARE(shown.results, printed.results);
    QCOMPARE(shown.firmwareLines, printed.firmwareLines);
    for (const QLineEdit* field : window_->findChildren<QLineEdit*>()) {
        if (!field->isVisible() || !field->isReadOnly()) continue;
        QVERIFY2(field->width() >= field->fontMetrics().horizontalAdvance(field->text()),
                 qPrintable(field->text() + " is cut off"));
    }
}

// Every input is named by its label, a choice too (on Linux Qt names a
// drop-down by its chosen text), and the tree gives the label as its own
// (beside the section's title, which labels every field of the section);
// on an inch machine, the label in inches where it has one.
void WorkbenchWindowTest::inputsAreNamedAndDescribed() {
    for (const bool inches : {false, true}) {
        WorkbenchWindow& window = open(inches ? QStringLiteral("pollici") : QString(kGt2));
        for (const workbench::Input& input : workbench::inputs()) {
            const QString expected = qText(workbench::labelOf(input, inches));
            QAccessibleInterface* field = QAccessible::queryAccessibleInterface(
                named(window, QStringLiteral("banco-") + qText(input.key)));
            QStringList labels;
            for (const auto& [label, relation] : field->relations(QAccessible::Label)) {
                labels << label->text(QAccessible::Name);
            }
            QVERIFY2(labels.contains(expected), qPrintable(labels.join(" | ")));
            QCOMPARE(field->text(QAccessible::Name), expected);
            if (input.kind == workbench::InputKind::Text) {
                QCOMPARE(named<QLineEdit>(window, QStringLiteral("banco-") + qText(input.key))
                             ->placeholderText(),
                         shownAs(input.placeholder));
            }
            QCOMPARE(field->text(QAccessible::Description),
                     qText(workbench::descriptionOf(input, inches)));
        }
    }
}

void WorkbenchWindowTest::inputGivesItsValue_data() {
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("value");  // typed, or the choice chosen
    QTest::newRow("text") << "banco-micropassi" << "Micropassi" << "32";
    QTest::newRow("choice") << "banco-firmware-scelto" << "Firmware" << "Marlin";
    QTest::newRow("belt profile") << "banco-profilo" << "Profilo della cinghia" << "GT3 (3 mm)";
    QTest::newRow("common drives") << "banco-viti-comuni" << "Trasmissioni comuni"
                                   << "T8x8 (passo 2, 4 principi)";
}

void WorkbenchWindowTest::inputGivesItsValue() {
    QFETCH(QString, object);
    QFETCH(QString, label);
    QFETCH(QString, value);
    value = shownAs(value.toStdString());
    WorkbenchWindow& window = open(kGt2);
    QWidget* input = named(window, object);
    if (auto* choice = qobject_cast<QComboBox*>(input)) {
        QVERIFY(choice->findText(value) > 0);
        choice->setCurrentIndex(choice->findText(value));
    } else {
        typeInto(qobject_cast<QLineEdit*>(input), value);
    }
    QAccessibleInterface* field = QAccessible::queryAccessibleInterface(input);
    QCOMPARE(field->text(QAccessible::Name), shownAs(label.toStdString()));
    QCOMPARE(field->text(QAccessible::Value), value);
}

// How a new text reaches «Micropassi», which holds 16 before: the last four
// are a screen reader's or an automation tool's "set text", as AT-SPI does it.
enum TextChange { Typed, SetByCode, ValueSet, Replaced, Inserted, Deleted };

void WorkbenchWindowTest::everyChangeOfTextAnswers_data() {
    QTest::addColumn<int>("change");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stepsPerMm");
    QTest::newRow("typed") << int(Typed) << "32" << "160.000000000";
    QTest::newRow("set by code") << int(SetByCode) << "32" << "160.000000000";
    QTest::newRow("value set") << int(ValueSet) << "32" << "160.000000000";
    QTest::newRow("all replaced") << int(Replaced) << "32" << "160.000000000";
    QTest::newRow("inserted at the end") << int(Inserted) << "0" << "800.000000000";
    QTest::newRow("last digit deleted") << int(Deleted) << "" << "5.000000000";
}

void WorkbenchWindowTest::everyChangeOfTextAnswers() {
    QFETCH(int, change);
    QFETCH(QString, text);
    QFETCH(QString, stepsPerMm);
    WorkbenchWindow& window = open(kGt2);
    auto* input = named<QLineEdit>(window, "banco-micropassi");
    input->setText(QStringLiteral("16"));
    QAccessibleInterface* field = QAccessible::queryAccessibleInterface(input);
    QAccessibleEditableTextInterface* editable = field->editableTextInterface();
    QVERIFY(editable);
    switch (change) {
    case Typed: typeInto(input, text); break;
    case SetByCode: input->setText(text); break;
    case ValueSet: field->setText(QAccessible::Value, text); break;
    case Replaced: editable->replaceText(0, 2, text); break;
    case Inserted: editable->insertText(2, text); break;
    case Deleted: editable->deleteText(1, 2); break;
    }
    QCOMPARE(shownBy(window).results.value(shownAs("Step/mm")), stepsPerMm);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    // The diagram follows, a picture for assistive technology.
    QAccessibleInterface* diagram =
        QAccessible::queryAccessibleInterface(named(window, "banco-schema"));
    QCOMPARE(diagram->role(), QAccessible::Graphic);
    QVERIFY2(diagram->text(QAccessible::Name).endsWith(shownAs("Step/mm") + ": " + stepsPerMm),
             qPrintable(diagram->text(QAccessible::Name)));
}

void WorkbenchWindowTest::unusableInputIsMarkedBesideIt_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stepsPerMm");  // the result still shown, or empty
    QTest::newRow("axis letter") << "asse" << "Q" << "80.000000000";
    QTest::newRow("axis the firmware has not") << "asse" << "A" << "80.000000000";
    QTest::newRow("microsteps") << "micropassi" << "abc" << "";
    QTest::newRow("pulley teeth") << "puleggia-asse" << "0" << "";
}

void WorkbenchWindowTest::unusableInputIsMarkedBesideIt() {
    QFETCH(QString, key);
    QFETCH(QString, typed);
    QFETCH(QString, stepsPerMm);
    WorkbenchWindow& window = open(kGt2);
    auto* field = named<QLineEdit>(window, QStringLiteral("banco-") + key);
    auto* error = named<QLabel>(window, QStringLiteral("banco-errore-") + key);
    const QString good = field->text();
    const QString description = field->accessibleDescription();

    typeInto(field, typed);
    QVERIFY(error->isVisible());
    QVERIFY(!error->text().isEmpty());
    QVERIFY(field->accessibleDescription().startsWith(error->text()));
    QCOMPARE(textAttributes(field), QStringLiteral("invalid:true;"));
    QCOMPARE(shownBy(window).results.value(shownAs("Step/mm")), stepsPerMm);
    QVERIFY(!named(window, "banco-errore-generale")->isVisible());
    // With nothing else to show, no empty box.
    QCOMPARE(named(window, "banco-risultati")->isVisible(), !stepsPerMm.isEmpty());

    typeInto(field, good);
    QVERIFY(!error->isVisible());
    QCOMPARE(field->accessibleDescription(), description);
    QCOMPARE(textAttributes(field), QString());
    QCOMPARE(shownBy(window).results.value(shownAs("Step/mm")), QStringLiteral("80.000000000"));
}

// A calibration's lines, for the drive's axis, in place of the drive's.
void WorkbenchWindowTest::calibrationLinesReplaceTheDrives() {
    WorkbenchWindow& window = open(QString::fromUtf8(kGt2) +
                                   "&asse=E&rotation-distance=40&comandati=100&misurati=99");
    QCOMPARE(shownBy(window).firmwareLines, QStringLiteral("[extruder]\nrotation_distance: 39.6"));
}

void WorkbenchWindowTest::copyPutsTheFirmwareLinesOnTheClipboard() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("probe"));
    if (clipboard->text() != QStringLiteral("probe")) {
        QSKIP("this platform keeps no clipboard text");
    }
    WorkbenchWindow& window = open(kGt2);
    const QString lines = shownBy(window).firmwareLines;
    QVERIFY(lines.contains(QStringLiteral("rotation_distance")));
    clickOn(named(window, "banco-copia"));
    QCOMPARE(clipboard->text(), lines);
}

void WorkbenchWindowTest::commonScrewFillsTheScrew_data() {
    QTest::addColumn<QString>("screw");
    QTest::addColumn<QString>("mover");  // what «L'asse è mosso da» shows then
    QTest::addColumn<QString>("lead");   // the input that holds its lead
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("starts");
    QTest::newRow("ball screw") << "Vite a ricircolo 1605" << "Vite, passo in mm" << "passo-vite"
                                << "5" << "1";
    QTest::newRow("four starts") << "T8x8 (passo 2, 4 principi)" << "Vite, passo in mm"
                                 << "passo-vite" << "2" << "4";
    QTest::newRow("imperial") << "ACME 1/2\"-10" << "Vite, filetti per pollice"
                              << "filetti-pollice" << "10" << "1";
    QTest::newRow("extruder") << "Estrusore: ingranaggi 50:17, ruota da 7,3 mm, 1/16"
                              << "Ruota, diametro in mm" << "diametro-ruota" << "7.3" << "";
}

// From a belt axis: the screw's inputs replace the pulley's.
void WorkbenchWindowTest::commonScrewFillsTheScrew() {
    QFETCH(QString, screw);
    QFETCH(QString, mover);
    QFETCH(QString, lead);
    QFETCH(QString, text);
    QFETCH(QString, starts);
    screw = shownAs(screw.toStdString());
    WorkbenchWindow& window = open(kGt2);
    auto* screws = named<QComboBox>(window, "banco-viti-comuni");
    screws->setCurrentIndex(screws->findText(screw));
    QCOMPARE(named<QComboBox>(window, "banco-asse-mosso-da")->currentText(), shownAs(mover.toStdString()));
    auto* leadField = named<QLineEdit>(window, QStringLiteral("banco-") + lead);
    QVERIFY(leadField->isVisible());
    QCOMPARE(leadField->text(), text);
    QCOMPARE(named<QLineEdit>(window, "banco-principi")->text(), starts);
    QVERIFY(!named(window, "banco-puleggia-asse")->isVisible());
    QCOMPARE(screws->currentText(), screw);
}

void WorkbenchWindowTest::argumentsFillTheWorkbench_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QString>("unusable");
    QTest::addColumn<QString>("address");  // the state the entries give, in part
    const QString program = QStringLiteral("cnc-axis-calc");
    QTest::newRow("no --banco") << QStringList{program, "--micropassi", "16"} << false << "" << "";
    QTest::newRow("text apart") << QStringList{program, "--banco", "--micropassi", "16"} << true
                                << "" << "micropassi=16";
    QTest::newRow("text joined, flag")
        << QStringList{program, "--banco", "--micropassi=32", "--ingranaggi"} << true << ""
        << "micropassi=32&ingranaggi";
    QTest::newRow("English names")
        << QStringList{program, "--bench", "--microsteps", "16", "--lead=8"} << true << ""
        << "micropassi=16&passo-vite=8";
    QTest::newRow("choice by value")
        << QStringList{program, "--banco", "--firmware", "Klipper"} << true << "" << "firmware=klipper";
    QTest::newRow("unknown option")
        << QStringList{program, "--banco", "--micropassi", "16", "--velocita-luce", "1"} << true
        << "--velocita-luce" << "";
    QTest::newRow("text missing") << QStringList{program, "--banco", "--micropassi"} << true
                                  << "--micropassi" << "";
    QTest::newRow("no option") << QStringList{program, "--banco", "16"} << true << "16" << "";
    QTest::newRow("flag with a text") << QStringList{program, "--banco", "--ingranaggi=1"} << true
                                      << "--ingranaggi=1" << "";
    QTest::newRow("value of no choice")
        << QStringList{program, "--banco", "--passi", "400", "--firmware", "cnc"} << true
        << "--firmware=cnc" << "";
}

void WorkbenchWindowTest::argumentsFillTheWorkbench() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, asked);
    QFETCH(QString, unusable);
    QFETCH(QString, address);
    const WorkbenchRequest request = workbenchRequest(arguments);
    QCOMPARE(request.asked, asked);
    QCOMPARE(request.unusable, unusable);
    const std::string given = workbench::addressOf(workbench::stateOf(request.entries), ".");
    const auto wanted = workbench::stateOfAddress(address.toStdString(), ".");
    QVERIFY(wanted);
    for (const auto& option : *wanted) {
        const std::string part = workbench::addressOf({option}, ".");
        QVERIFY2(("&" + given + "&").find("&" + part + "&") != std::string::npos, given.c_str());
    }
}

// Inputs taller than the window: the answers beside them, or under them in a
// narrow window, stay in view with the inputs scrolled to their end.
void WorkbenchWindowTest::answersStayInViewAsTheInputsScroll_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("sideBySide");
    QTest::newRow("wide") << QSize(1000, 500) << true;
    QTest::newRow("narrow") << QSize(460, 700) << false;
}

void WorkbenchWindowTest::answersStayInViewAsTheInputsScroll() {
    QFETCH(QSize, size);
    QFETCH(bool, sideBySide);
    WorkbenchWindow& window =
        open(QString::fromUtf8(kGt2) + "&strato=0.2&velocita=30&frequenza-max=40&attuali=80");
    window.resize(size);
    QVERIFY(QTest::qWaitFor([&] { return window.size() == size; }));
    auto* inputs = named<QScrollArea>(window, "banco-ingressi");
    const QWidget* answers = named(window, "banco-risposte");
    QScrollBar* bar = inputs->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    bar->setValue(bar->maximum());
    QCoreApplication::processEvents();
    QCOMPARE(sideBySide ? answers->x() >= inputs->geometry().right()
                        : answers->y() >= inputs->geometry().bottom(),
             true);
    for (const char* shown : {"banco-schema", "banco-risultati"}) {
        QVERIFY2(!named(window, shown)->visibleRegion().isEmpty(), shown);
    }
}

// The palettes a desktop may give: the error messages, the placeholders and
// the diagram keep 4.5:1 on their backgrounds, also when the palette changes
// with the window open.
void WorkbenchWindowTest::legibleInThePalette_data() {
    QTest::addColumn<QPalette>("palette");
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
    QTest::newRow("Fusion's light") << fusion->standardPalette();
    QPalette dark(QColor(0xe8eaed), QColor(0x303134), QColor(0x5f6368), QColor(0x101114),
                  QColor(0x3c4043), QColor(0xe8eaed), Qt::white, QColor(0x17181a),
                  QColor(0x202124));
    dark.setColor(QPalette::Highlight, QColor(0x8ab4f8));
    // As a dark desktop may leave it: a light palette's half-black.
    dark.setColor(QPalette::PlaceholderText, QColor(0, 0, 0, 128));
    QTest::newRow("dark") << dark;
    QPalette grey = dark;
    grey.setColor(QPalette::Window, QColor(0x767676));
    grey.setColor(QPalette::WindowText, Qt::black);
    QTest::newRow("mid grey") << grey;
}

// The greatest contrast of a pixel of `area` of the window's picture with `background`.
static double mostContrast(QWidget& window, const QWidget* area, const QColor& background) {
    const QImage picture =
        window.grab(QRect(area->mapTo(&window, QPoint()), area->size())).toImage();
    double most = 1;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            most = std::max(most, contrastRatio(picture.pixelColor(x, y), background));
        }
    }
    return most;
}

void WorkbenchWindowTest::legibleInThePalette() {
    QFETCH(QPalette, palette);
    WorkbenchWindow& window = open(QString::fromUtf8(kGt2) + "&micropassi=300");
    QApplication::setPalette(palette);
    QCoreApplication::processEvents();
    const QColor background = palette.color(QPalette::Window);
    const auto* error = named<QLabel>(window, "banco-errore-micropassi");
    QVERIFY(error->isVisible());
    QVERIFY(contrastRatio(error->palette().color(QPalette::WindowText), background) >= 4.5);
    QVERIFY(mostContrast(window, named(window, "banco-schema"), background) >= 4.5);
    const QColor base = palette.color(QPalette::Base);
    QVERIFY(mostContrast(window, named(window, "banco-passi"), base) >= 4.5);
    QCOMPARE(contrastRatio(Qt::black, Qt::white), 21.0);
}

}  // namespace cnc::ui::test

QTEST_MAIN(cnc::ui::test::WorkbenchWindowTest)
#include "workbench_window_test.moc"

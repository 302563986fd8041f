// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile entries, one entry field at a time, in every combination of
// stepping mode and coupling: the window shows what the calculation computes
// from the same texts (the same results, or the same error message), the
// program goes on, and not one entry loses or changes a character.

#include <QApplication>
#include <QLocale>
#include <QTest>

#include <optional>
#include <string>

#include "calc/calc_error.h"
#include "calc/drive_calculation.h"
#include "calc/memory_form.h"
#include "test_support.h"
#include "ui/layout/layout_names.h"

namespace cnc::ui::test {

namespace {

// What reading the text as a number must give, whatever the field.
enum class Reading { Number, TypeMismatch, Overflow };

constexpr Field kEntries[] = {Field::MotorSteps, Field::ScrewPitch, Field::MotorTeeth,
                              Field::ScrewTeeth, Field::BeltLengthCode};
constexpr Field kResults[] = {Field::StepsPerMm, Field::MmPerStep, Field::CentreDistance,
                              Field::CentreDistanceMm};

// The control's name, NUL-terminated for the lookup.
QByteArray nameOf(auto identity) {
    const std::string_view name = layout::layoutName(identity);
    return QByteArray(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace
}  // namespace cnc::ui::test

Q_DECLARE_METATYPE(cnc::Field)
Q_DECLARE_METATYPE(cnc::SteppingMode)
Q_DECLARE_METATYPE(cnc::Coupling)
Q_DECLARE_METATYPE(cnc::ui::test::Reading)

namespace cnc::ui::test {

class BadInputTest : public WindowTest {
    Q_OBJECT

private slots:
    void everyEntry_data();
    void everyEntry();
};

void BadInputTest::everyEntry_data() {
    QTest::addColumn<Field>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<SteppingMode>("stepping");
    QTest::addColumn<Coupling>("coupling");
    QTest::addColumn<Reading>("reading");

    struct Hostile {
        const char* label;
        QString text;
        Reading reading;
    };
    const Hostile texts[] = {
        {"empty", QString(), Reading::TypeMismatch},
        {"blanks", QStringLiteral(" \t  "), Reading::TypeMismatch},
        {"letters", QStringLiteral("abc"), Reading::TypeMismatch},
        {"exponent", QStringLiteral("1e400"), Reading::TypeMismatch},
        {"minus zero", QStringLiteral("-0"), Reading::Number},
        {"two signs", QStringLiteral("--1"), Reading::TypeMismatch},
        {"commas", QStringLiteral("1,2,3"), Reading::TypeMismatch},
        {"points", QStringLiteral("1.2.3"), Reading::TypeMismatch},
        {"10000 digits", QString(10'000, QLatin1Char('7')), Reading::Overflow},
        // A reader that stopped at the NUL would take 200.
        {"NUL after digits", QStringLiteral("200") + QChar(u'\0'), Reading::TypeMismatch},
        {"Arabic-Indic digits", QStringLiteral("\u0662\u0660\u0660"), Reading::TypeMismatch},
        {"full-width digits", QStringLiteral("\uFF12\uFF10\uFF10"), Reading::TypeMismatch},
        {"emoji", QStringLiteral("2\U0001F600"), Reading::TypeMismatch},
        {"largest", QStringLiteral("922337203685477.5807"), Reading::Number},
        {"smallest", QStringLiteral("-922337203685477.5808"), Reading::Number},
        {"past the largest", QStringLiteral("922337203685477.5808"), Reading::Overflow},
        {"past the smallest", QStringLiteral("-922337203685477.5809"), Reading::Overflow},
    };
    for (Field field : kEntries) {
        for (const Hostile& hostile : texts) {
            for (SteppingMode stepping : {SteppingMode::HalfStep, SteppingMode::FullStep}) {
                for (Coupling coupling : {Coupling::Direct, Coupling::Belt}) {
                    QTest::addRow("%s %s, %s, %s", nameOf(field).constData(), hostile.label,
                                  stepping == SteppingMode::HalfStep ? "half step" : "full step",
                                  coupling == Coupling::Direct ? "direct" : "belt")
                        << field << hostile.text << stepping << coupling << hostile.reading;
                }
            }
        }
    }
}

void BadInputTest::everyEntry() {
    QFETCH(Field, field);
    QFETCH(QString, text);
    QFETCH(SteppingMode, stepping);
    QFETCH(Coupling, coupling);
    QFETCH(Reading, reading);

    clickOn(option(nameOf(stepping).constData()));
    clickOn(option(nameOf(coupling).constData()));
    // Set rather than typed: no keyboard types a NUL, and 10,000 key presses
    // per row would make the sweep slow; a paste does the same.
    QLineEdit* entry = box(nameOf(field).constData());
    entry->setText(text);
    QCOMPARE(entry->text(), text);

    // The same texts and choices through the calculation alone.
    MemoryForm expected;
    for (Field each : kEntries)
        expected.setText(each, textOf(nameOf(each).constData()).toStdString());
    expected.select(std::optional(stepping));
    expected.select(std::optional(coupling));
    std::optional<CalcError> error;
    try {
        calculate(expected, QLocale().decimalPoint().toStdString(),
                  QLocale().groupSeparator().toStdString(), kXlBeltPitch);
    } catch (const CalcError& raised) {
        error = raised;
    }
    // Whatever else happens, a text that is not a number, or is one out of
    // range, is refused in the field that holds it; but with the direct
    // coupling the belt is no part of the drive, and its code only empties
    // the distance.
    const bool unusedBelt = field == Field::BeltLengthCode && coupling == Coupling::Direct;
    if (unusedBelt) {
        QVERIFY2(!error.has_value(), error ? error->what() : "");
        if (reading != Reading::Number) {
            QCOMPARE(expected.text(Field::CentreDistanceMm), std::string());
        }
    } else if (reading != Reading::Number) {
        QVERIFY2(error.has_value(), "the calculation accepted it");
        QCOMPARE(error->kind(),
                 reading == Reading::Overflow ? ErrorKind::Overflow : ErrorKind::TypeMismatch);
        QCOMPARE(error->field(), std::optional<Field>(field));
    }

    calcola();

    const QStringList shown = watchdog_->takeClosed();
    if (error) {
        QCOMPARE(shown, QStringList{QString::fromUtf8(error->what())});
    } else {
        QVERIFY2(shown.isEmpty(), qPrintable(shown.join(" | ")));
    }
    for (Field result : kResults) {
        QCOMPARE(textOf(nameOf(result).constData()), QString::fromStdString(expected.text(result)));
    }
    QVERIFY(window_->isVisible());  // the program goes on
    for (Field each : kEntries) {
        const QString before = each == field ? text : QString::fromUtf8(initialText(each));
        QCOMPARE(textOf(nameOf(each).constData()), before);
    }
    if (error && error->field()) {
        QLineEdit* atFault = box(nameOf(*error->field()).constData());
        if (atFault->isVisible()) QCOMPARE(window_->focusWidget(), atFault);
    }
}

}  // namespace cnc::ui::test

QTEST_MAIN(cnc::ui::test::BadInputTest)
#include "bad_input_test.moc"

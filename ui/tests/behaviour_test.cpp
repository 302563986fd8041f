// SPDX-License-Identifier: GPL-3.0-or-later
// The window at work, driven by mouse clicks and key presses: the results of
// "calcola", the belt groups following the coupling, errors that leave the
// program running, and the ways the program ends.

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QLocale>
#include <QRadioButton>
#include <QTest>

#include "test_support.h"

namespace cnc::ui::test {

namespace {

// How a user changes the coupling.
enum class Selection { Mouse, ArrowKeys, AssistiveToggle };

}  // namespace
}  // namespace cnc::ui::test

Q_DECLARE_METATYPE(cnc::ui::test::Selection)

namespace cnc::ui::test {

class BehaviourTest : public WindowTest {
    Q_OBJECT

private slots:
    void startState();
    void combinations_data();
    void combinations();
    void couplingShowsAndHidesBeltGroups_data();
    void couplingShowsAndHidesBeltGroups();
    void hiddenBeltEntriesAreStillComputed();
    void beltTypeChangesNoResult();
    void errorKeepsProgramRunning_data();
    void errorKeepsProgramRunning();
    void enterInAnEntryComputes_data();
    void enterInAnEntryComputes();
    void onlyText7RefusesTyping_data();
    void onlyText7RefusesTyping();
    void endingTheProgram_data();
    void endingTheProgram();
    void italianLocaleShowsCommas_data();
    void italianLocaleShowsCommas();

private:
    void selectCoupling(int index, Selection how);
    bool beltGroupsShown() {
        return control(*window_, "Frame4")->isVisible() && control(*window_, "Frame5")->isVisible();
    }
};

void BehaviourTest::selectCoupling(int index, Selection how) {
    QRadioButton* target = option(index == 0 ? "Option2(0)" : "Option2(1)");
    switch (how) {
        case Selection::Mouse: clickOn(target); break;
        case Selection::ArrowKeys: {
            QRadioButton* selected =
                option("Option2(0)")->isChecked() ? option("Option2(0)") : option("Option2(1)");
            selected->setFocus(Qt::TabFocusReason);
            QTest::keyClick(selected, index == 0 ? Qt::Key_Up : Qt::Key_Down);
            break;
        }
        case Selection::AssistiveToggle:
            QAccessible::queryAccessibleInterface(target)->actionInterface()->doAction(
                QAccessibleActionInterface::toggleAction());
            break;
    }
}

void BehaviourTest::startState() { QCOMPARE(QApplication::focusWidget(), box("Text1")); }

void BehaviourTest::combinations_data() {
    QTest::addColumn<int>("stepping");
    QTest::addColumn<int>("coupling");
    QTest::addColumn<QString>("text3");
    QTest::addColumn<QString>("text4");

    QTest::newRow("half step, direct") << 0 << 0 << "133.333333333"
                                       << "0.007500000";
    QTest::newRow("full step, direct") << 1 << 0 << "66.666666667"
                                       << "0.015000000";
    QTest::newRow("half step, belt") << 0 << 1 << "282.352941176"
                                     << "0.00354167";
    QTest::newRow("full step, belt") << 1 << 1 << "141.176470588"
                                     << "0.007083333";
}

void BehaviourTest::combinations() {
    QFETCH(int, stepping);
    QFETCH(int, coupling);
    QFETCH(QString, text3);
    QFETCH(QString, text4);

    clickOn(option(stepping == 0 ? "Option1(0)" : "Option1(1)"));
    selectCoupling(coupling, Selection::Mouse);
    calcola();

    QCOMPARE(textOf("Text3"), text3);
    QCOMPARE(textOf("Text4"), text4);
    QCOMPARE(textOf("Text7"), QStringLiteral("83.69"));
    QCOMPARE(textOf("Text8"), QStringLiteral("83.69 mm"));
}

void BehaviourTest::couplingShowsAndHidesBeltGroups_data() {
    QTest::addColumn<Selection>("how");
    QTest::newRow("mouse") << Selection::Mouse;
    QTest::newRow("arrow keys") << Selection::ArrowKeys;
    QTest::newRow("assistive toggle") << Selection::AssistiveToggle;
}

void BehaviourTest::couplingShowsAndHidesBeltGroups() {
    QFETCH(Selection, how);
    calcola();
    const QString resultBefore = textOf("Text3");

    selectCoupling(1, how);
    QVERIFY(option("Option2(1)")->isChecked());
    QVERIFY(beltGroupsShown());

    selectCoupling(1, how);  // the one already selected
    QVERIFY(beltGroupsShown());

    selectCoupling(0, how);
    QVERIFY(option("Option2(0)")->isChecked());
    QVERIFY(!control(*window_, "Frame4")->isVisible());
    QVERIFY(!control(*window_, "Frame5")->isVisible());

    // Only "calcola" computes.
    QCOMPARE(textOf("Text3"), resultBefore);
}

void BehaviourTest::hiddenBeltEntriesAreStillComputed() {
    selectCoupling(1, Selection::Mouse);
    typeInto(box("Text5"), "20");
    typeInto(box("Text6"), "20");
    typeInto(box("Text9"), "100");
    selectCoupling(0, Selection::Mouse);
    QVERIFY(!beltGroupsShown());

    calcola();

    QCOMPARE(textOf("Text5"), QStringLiteral("20"));
    QCOMPARE(textOf("Text7"), QStringLiteral("76.20"));
    QCOMPARE(textOf("Text8"), QStringLiteral("76.20 mm"));
}

void BehaviourTest::beltTypeChangesNoResult() {
    selectCoupling(1, Selection::Mouse);
    clickOn(option("Option3(1)"));               // "L (LEGGERA) P.9,525mm"
    QVERIFY(option("Option1(0)")->isChecked());  // the groups do not touch each other
    QVERIFY(option("Option2(1)")->isChecked());

    calcola();
    QCOMPARE(textOf("Text7"), QStringLiteral("83.69"));  // still the XL pitch
}

void BehaviourTest::errorKeepsProgramRunning_data() {
    QTest::addColumn<QStringList>("edits");  // "Text1=abc": typed before the click
    QTest::addColumn<bool>("beltCoupling");
    QTest::addColumn<QString>("message");      // how the message box text starts
    QTest::addColumn<QStringList>("results");  // Text3, Text4, Text7, Text8 after it
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("selected");

    // The click before the failing one fills all four results; the failing
    // one shows what it wrote and empties the rest, so that no number from
    // the earlier entries stands beside the new ones.
    QTest::newRow("steps empty: nothing written")
        << QStringList{"Text1="} << false << "Tipo non corrispondente in «Passi del motore»"
        << QStringList{"", "", "", ""} << "Text1"
        << "";
    QTest::newRow("steps zero: first result written")
        << QStringList{"Text1=0"} << false << "Divisione per zero in «Passi del motore»"
        << QStringList{"0.000000000", "", "", ""} << "Text1"
        << "0";
    QTest::newRow("screw pulley zero with the belt")
        << QStringList{"Text6=0"} << true << "Divisione per zero in «Vite»"
        << QStringList{"0.000000000", "", "", ""} << "Text6"
        << "0";
    QTest::newRow("belt too short: resolution written")
        << QStringList{"Text9=65"} << true << "Argomento non valido in «Cinta»"
        << QStringList{"282.352941176", "0.00354167", "", ""} << "Text9"
        << "65";
    // A hidden belt is no part of the direct drive: no message, the distance
    // emptied, the focus where it was.
    QTest::newRow("belt empty in the hidden group")
        << QStringList{"Text1=400", "Text9="} << false << ""
        << QStringList{"266.666666667", "0.003750000", "", ""} << "Command1"
        << "";
}

void BehaviourTest::errorKeepsProgramRunning() {
    QFETCH(QStringList, edits);
    QFETCH(bool, beltCoupling);
    QFETCH(QString, message);
    QFETCH(QStringList, results);
    QFETCH(QString, focus);
    QFETCH(QString, selected);

    calcola();
    selectCoupling(1, Selection::Mouse);  // every entry can be typed into
    for (const QString& edit : edits) {
        const QStringList parts = edit.split('=');
        typeInto(box(parts[0].toUtf8().constData()), parts[1]);
    }
    selectCoupling(beltCoupling ? 1 : 0, Selection::Mouse);

    calcola();

    const QStringList shown = watchdog_->takeClosed();
    QCOMPARE(shown.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) QVERIFY2(shown.front().startsWith(message), qPrintable(shown.front()));
    QCOMPARE((QStringList{textOf("Text3"), textOf("Text4"), textOf("Text7"), textOf("Text8")}),
             results);
    QVERIFY(window_->isVisible());  // the program goes on
    QCOMPARE(window_->focusWidget()->objectName(), focus);
    if (auto* entry = qobject_cast<QLineEdit*>(window_->focusWidget())) {
        QCOMPARE(entry->selectedText(), selected);
    }
    for (const QString& edit : edits) {  // nothing typed is lost
        const QStringList parts = edit.split('=');
        QCOMPARE(textOf(parts[0].toUtf8().constData()), parts[1]);
    }
}

void BehaviourTest::enterInAnEntryComputes_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("keypad");
    for (const char* name : {"Text1", "Text2", "Text5", "Text6", "Text9"}) {
        QTest::addRow("%s, Enter", name) << QString::fromUtf8(name) << false;
        QTest::addRow("%s, keypad Enter", name) << QString::fromUtf8(name) << true;
    }
}

void BehaviourTest::enterInAnEntryComputes() {
    QFETCH(QString, field);
    QFETCH(bool, keypad);
    selectCoupling(1, Selection::Mouse);
    QLineEdit* entry = box(field.toUtf8().constData());
    typeInto(entry, entry->text());

    if (keypad) {
        QTest::keyClick(entry, Qt::Key_Enter, Qt::KeypadModifier);
    } else {
        QTest::keyClick(entry, Qt::Key_Return);
    }

    QCOMPARE(textOf("Text3"), QStringLiteral("282.352941176"));
    QCOMPARE(textOf("Text8"), QStringLiteral("83.69 mm"));
    QCOMPARE(QApplication::focusWidget(), entry);
}

void BehaviourTest::onlyText7RefusesTyping_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("accepts");
    for (const char* name :
         {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text8", "Text9"}) {
        QTest::newRow(name) << QString::fromUtf8(name) << true;
    }
    QTest::newRow("Text7") << QStringLiteral("Text7") << false;
}

void BehaviourTest::onlyText7RefusesTyping() {
    QFETCH(QString, field);
    QFETCH(bool, accepts);
    selectCoupling(1, Selection::Mouse);
    calcola();
    QLineEdit* entry = box(field.toUtf8().constData());
    const QString before = entry->text();

    clickOn(entry);
    QTest::keyClick(entry, Qt::Key_End);
    QTest::keyClicks(entry, "5");

    QCOMPARE(entry->text(), accepts ? before + "5" : before);
}

void BehaviourTest::endingTheProgram_data() {
    QTest::addColumn<bool>("fineLavoro");  // else the window is closed
    QTest::newRow("Fine lavoro") << true;
    QTest::newRow("closing the window") << false;
}

void BehaviourTest::endingTheProgram() {
    QFETCH(bool, fineLavoro);
    constexpr int kStillRunning = 99;
    QTimer::singleShot(0, window_.get(), [this, fineLavoro] {
        if (fineLavoro) {
            clickOn(control(*window_, "Command2"));
        } else {
            window_->close();
        }
    });
    // Only a guard against a hang: a program that does not end fails here.
    QTimer::singleShot(60'000, [] { QCoreApplication::exit(kStillRunning); });

    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(watchdog_->takeClosed().isEmpty());  // no question asked
}

void BehaviourTest::italianLocaleShowsCommas_data() {
    QTest::addColumn<QString>("pitch");
    QTest::addColumn<QString>("text3");
    QTest::addColumn<QString>("text4");
    QTest::newRow("pitch at start") << "3"
                                    << "66,666666667"
                                    << "0,015000000";
    QTest::newRow("pitch typed with a comma") << "1,5"
                                              << "133,333333333"
                                              << "0,007500000";
}

// Run by the test ui_behaviour_italian with LC_ALL=it_IT.UTF-8.
void BehaviourTest::italianLocaleShowsCommas() {
    if (QLocale().decimalPoint() != QStringLiteral(",")) {
        QSKIP("needs a locale with a decimal comma, such as LC_ALL=it_IT.UTF-8");
    }
    QFETCH(QString, pitch);
    QFETCH(QString, text3);
    QFETCH(QString, text4);

    clickOn(option("Option1(1)"));
    typeInto(box("Text2"), pitch);
    calcola();

    QCOMPARE(textOf("Text3"), text3);
    QCOMPARE(textOf("Text4"), text4);
    QCOMPARE(textOf("Text7"), QStringLiteral("83,69"));
    QCOMPARE(textOf("Text8"), QStringLiteral("83,69 mm"));
}

}  // namespace cnc::ui::test

QTEST_MAIN(cnc::ui::test::BehaviourTest)
#include "behaviour_test.moc"

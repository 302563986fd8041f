// SPDX-License-Identifier: GPL-3.0-or-later
// The machine's window as a screen reader sees it: the printer's file
// opened shows its axes as tabs and, in the field named «Righe per il
// firmware», the block `cnc-axis-calc-cli --macchina` prints, each tab the
// axis's results; a file that is no machine leaves all of it as it was and
// says why; an axis duplicated answers as the one it copies; a file saved
// opens as the same machine.

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <sstream>

#include "cli/command_line.h"
#include "test_support.h"
#include "ui/machine_window.h"

namespace cnc::ui::test {
namespace {

const QString kPrinter = QStringLiteral(MACHINES_DIR "/printer.toml");

// What the tree shows: the page tabs' names, and the shown text fields'
// values by name.
struct Shown {
    QStringList tabs;
    QMap<QString, QString> fields;
};

void collect(QAccessibleInterface* node, Shown& shown) {
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child || child->state().invisible) continue;
        if (child->role() == QAccessible::PageTab) shown.tabs << child->text(QAccessible::Name);
        if (child->role() == QAccessible::EditableText && child->state().readOnly) {
            shown.fields.insert(child->text(QAccessible::Name), child->text(QAccessible::Value));
        }
        collect(child, shown);
    }
}

Shown shownBy(QWidget& window) {
    Shown shown;
    collect(QAccessible::queryAccessibleInterface(&window), shown);
    return shown;
}

// The command line's lines for the printer: "E Step/mm: ..." and the block.
QStringList printedFor(const QString& firmware) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::runCommandLine(
        {"--macchina", kPrinter.toStdString(), "--firmware", firmware.toStdString()}, {".", ","},
        out, err);
    if (status != 0) qFatal("the command line refused the printer: %s", err.str().c_str());
    return QString::fromStdString(out.str()).trimmed().split('\n');
}

template <typename T>
T* named(QWidget& window, const char* name) {
    return control<T>(window, name);
}

}  // namespace

class MachineWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { watchdog_ = std::make_unique<ModalWatchdog>(); }
    void cleanup();
    void showsTheCommandLinesMachine();
    void aFileThatIsNoMachineChangesNothing();
    void duplicatesAndRemovesAxes();
    void savedFileOpensAsTheSameMachine();

private:
    MachineWindow& open() {
        window_ = std::make_unique<MachineWindow>();
        window_->show();
        if (!QTest::qWaitForWindowExposed(window_.get())) qFatal("the machine was not shown");
        return *window_;
    }

    std::unique_ptr<ModalWatchdog> watchdog_;
    std::unique_ptr<MachineWindow> window_;
};

void MachineWindowTest::cleanup() {
    window_.reset();
    const QStringList dialogs = watchdog_->takeClosed();
    watchdog_.reset();
    QVERIFY2(dialogs.isEmpty(), qPrintable("unexpected dialog: " + dialogs.join(" | ")));
}

void MachineWindowTest::showsTheCommandLinesMachine() {
    MachineWindow& window = open();
    QVERIFY(window.openFile(kPrinter));
    const QStringList printed = printedFor(QStringLiteral("klipper"));
    const qsizetype results = printed.indexOf(QStringLiteral("[stepper_x]"));
    const Shown shown = shownBy(window);
    QCOMPARE(shown.tabs, (QStringList{"X", "Y", "Z", "E"}));
    QCOMPARE(shown.fields.value(QStringLiteral("Righe per il firmware")),
             printed.mid(results).join('\n'));
    auto* tabs = named<QTabWidget>(window, "macchina-assi");
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        const Shown axis = shownBy(window);
        for (const QString& line : printed.mid(0, results)) {
            if (!line.startsWith(shown.tabs[tab] + ' ')) continue;
            const qsizetype colon = line.indexOf(QStringLiteral(": "));
            QCOMPARE(axis.fields.value(line.mid(2, colon - 2)), line.mid(colon + 2));
        }
    }
}

void MachineWindowTest::aFileThatIsNoMachineChangesNothing() {
    QTemporaryDir scratch;
    const QString broken = scratch.filePath(QStringLiteral("rotta.toml"));
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("firmware = \"marlin\"\n[asse.X]\nmicropassi = \n");
    file.close();
    MachineWindow& window = open();
    QVERIFY(window.openFile(kPrinter));
    const Shown before = shownBy(window);
    QVERIFY(!window.openFile(broken));
    const Shown after = shownBy(window);
    QCOMPARE(after.tabs, before.tabs);
    QCOMPARE(after.fields, before.fields);
    auto* problem = named<QLabel>(window, "macchina-file");
    QVERIFY(problem->isVisible());
    QVERIFY2(problem->text().startsWith(broken + ":3:"), qPrintable(problem->text()));
}

void MachineWindowTest::duplicatesAndRemovesAxes() {
    MachineWindow& window = open();
    typeInto(named<QLineEdit>(window, "banco-micropassi"), QStringLiteral("16"));
    auto* letters = named<QComboBox>(window, "macchina-lettera");
    letters->setCurrentIndex(letters->findText(QStringLiteral("Z")));
    clickOn(named<QPushButton>(window, "macchina-duplica"));
    QCOMPARE(shownBy(window).tabs, (QStringList{"X", "Z"}));
    QCOMPARE(window.machine().axes[1].state, window.machine().axes[0].state);
    QCOMPARE(shownBy(window).fields.value(QStringLiteral("Step/mm")),
             QStringLiteral("1066.666666667"));
    clickOn(named<QPushButton>(window, "macchina-rimuovi"));
    QCOMPARE(window.machine().axes.size(), 1u);
    QCOMPARE(shownBy(window).tabs, QStringList{"X"});
    QVERIFY(!named<QPushButton>(window, "macchina-rimuovi")->isEnabled());
}

void MachineWindowTest::savedFileOpensAsTheSameMachine() {
    QTemporaryDir scratch;
    const QString saved = scratch.filePath(QStringLiteral("copia.toml"));
    MachineWindow& window = open();
    QVERIFY(window.openFile(kPrinter));
    named<QLineEdit>(window, "macchina-nome")->setText(QStringLiteral("Stampante \"2\""));
    QVERIFY(window.saveFile(saved));
    MachineWindow again;
    QVERIFY(again.openFile(saved));
    QCOMPARE(again.machine(), window.machine());
}

}  // namespace cnc::ui::test

QTEST_MAIN(cnc::ui::test::MachineWindowTest)
#include "machine_window_test.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "test_support.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QMessageBox>
#include <QTest>

#include <utility>

#include "ui/application_look.h"
#include "ui/fonts.h"

namespace cnc::ui::test {

namespace {

// Why the fonts cannot be trusted, or empty. Without fonts Qt draws boxes,
// and checks on captions and pixels could pass on them.
QString fontProblem() {
    if (QFontDatabase::families().isEmpty()) {
        return QStringLiteral(
            "no fonts are installed; scripts/install-deps installs fonts-liberation");
    }
    const QString sample = QStringLiteral("Passi del motore calcola Fine lavoro «»è 0123456789,.");
    for (const QFont& font : {windowFont(), layoutFont(13.5)}) {
        const QFontMetrics metrics(font);
        for (const QChar c : sample) {
            if (!metrics.inFont(c)) {
                return QStringLiteral("the font %1 has no glyph for '%2'")
                    .arg(QFontInfo(font).family(), QString(c));
            }
        }
    }
    return {};
}

}  // namespace

void clickOn(QWidget* widget) {
    const QPoint where = qobject_cast<QRadioButton*>(widget) != nullptr
                             ? QPoint(6, widget->height() / 2)
                             : widget->rect().center();
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, where);
}

void typeInto(QLineEdit* box, const QString& text) {
    clickOn(box);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        QTest::keyClick(box, Qt::Key_Backspace);
    } else {
        QTest::keyClicks(box, text);
    }
}

ModalWatchdog::ModalWatchdog() {
    QObject::connect(&timer_, &QTimer::timeout, this, &ModalWatchdog::closeModal);
    timer_.start(10);
    QApplication::instance()->installEventFilter(this);
}

ModalWatchdog::~ModalWatchdog() { QApplication::instance()->removeEventFilter(this); }

bool ModalWatchdog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isModal()) {
        QMetaObject::invokeMethod(this, &ModalWatchdog::closeModal, Qt::QueuedConnection);
    }
    return false;
}

void ModalWatchdog::closeModal() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) return;
    auto* box = qobject_cast<QMessageBox*>(modal);
    closed_ << (box ? box->text() : QString::fromUtf8(modal->metaObject()->className()));
    modal->close();
}

QStringList ModalWatchdog::takeClosed() { return std::exchange(closed_, {}); }

void WindowTest::initTestCase() {
    applyLook();
    const QString problem = fontProblem();
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void WindowTest::init() {
    watchdog_ = std::make_unique<ModalWatchdog>();
    window_ = std::make_unique<MainWindow>();
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void WindowTest::cleanup() {
    window_.reset();
    const QStringList unexpected = watchdog_->takeClosed();
    watchdog_.reset();
    QVERIFY2(unexpected.isEmpty(), qPrintable("unexpected dialog: " + unexpected.join(" | ")));
}

}  // namespace cnc::ui::test

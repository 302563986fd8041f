#include "test_support.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>

#include <utility>

#include "ui/fonts.h"

namespace cnc::ui::test {

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

std::unique_ptr<MainWindow> openWindow() {
    auto window = std::make_unique<MainWindow>();
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get())) qFatal("the window never became active");
    return window;
}

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

ModalWatchdog::ModalWatchdog() {
    QObject::connect(&timer_, &QTimer::timeout, [this] { closeActiveModal(); });
    timer_.start(10);
}

QStringList ModalWatchdog::takeClosed() { return std::exchange(closed_, {}); }

void ModalWatchdog::closeActiveModal() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        closed_ << box->text();
        box->done(QMessageBox::Ok);
    } else {
        closed_ << QStringLiteral("<%1>").arg(QString::fromUtf8(modal->metaObject()->className()));
        modal->close();
    }
}

}  // namespace cnc::ui::test

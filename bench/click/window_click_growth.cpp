// SPDX-License-Identifier: GPL-3.0-or-later
// 100,000 presses of "calcola" in a row on the real window, in this process,
// good entries and failing ones in turn; every failure shows its message box,
// which is dismissed as soon as it is shown. Checks that every click did what
// it should, and that resident memory stays flat after a warm-up.
//   window_click_growth [CLICKS]     (default 100000)
//
// Exit status 1 if a click went wrong or resident memory grew by more than
// 1 MiB after the warm-up. Under AddressSanitizer the growth is printed but
// not judged (its quarantine holds freed memory on purpose); run it there for
// LeakSanitizer's verdict at exit.

#include <QLineEdit>
#include <QStringList>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "open_window.h"
#include "ui/tests/test_support.h"

#if defined(__SANITIZE_ADDRESS__)
#define CNC_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define CNC_UNDER_ASAN 1
#endif
#endif

namespace {

using cnc::ui::test::control;

constexpr long kMiB = 1024 * 1024;
constexpr int kSampleEvery = 1000;

// One entry typed over its initial text before a click; "" for none.
struct Entry {
    cnc::Field field;
    const char* text;
};

// Taken in turn: a good click, then a failing one.
using enum cnc::Field;
constexpr Entry kGood[] = {
    {MotorSteps, "200"}, {MotorSteps, "400"}, {ScrewPitch, "3.14159"}, {BeltLengthCode, "66"}};
constexpr Entry kFailing[] = {
    {MotorSteps, "abc"},     // before any result is written
    {BeltLengthCode, "65"},  // the belt too short: after three results
    {MotorTeeth, "0"},       // division by zero in the pulley ratio
    {ScrewPitch, "1e400"},
};

long residentBytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

class ClickRun : public QObject {
public:
    ClickRun(cnc::ui::MainWindow& window, int clicks)
        : window_(window),
          clicks_(clicks),
          // A tenth of the run, at most 10,000 clicks, on a sample.
          warmUp_(std::clamp(clicks / 10 / kSampleEvery * kSampleEvery, kSampleEvery, 10'000)) {}

    void start() { QMetaObject::invokeMethod(this, &ClickRun::click, Qt::QueuedConnection); }

    int wrong = 0;
    long baseline = 0;  // after the warm-up
    long highest = 0;   // after the warm-up
    long last = 0;

private:
    void click() {
        const bool failing = count_ % 2 == 1;
        const auto turn = static_cast<std::size_t>(count_ / 2);
        const Entry& entry =
            failing ? kFailing[turn % std::size(kFailing)] : kGood[turn % std::size(kGood)];
        for (cnc::Field field : {MotorSteps, ScrewPitch, MotorTeeth, ScrewTeeth, BeltLengthCode}) {
            control<QLineEdit>(window_, field)->setText(QString::fromUtf8(cnc::initialText(field)));
        }
        control<QLineEdit>(window_, entry.field)->setText(QString::fromUtf8(entry.text));
        control<QLineEdit>(window_, StepsPerMm)->clear();

        cnc::ui::test::clickOn(control(window_, "Command1"));

        const qsizetype boxes = watchdog_.takeClosed().size();
        const bool resultShown = !control<QLineEdit>(window_, StepsPerMm)->text().isEmpty();
        if (boxes != (failing ? 1 : 0) || (!failing && !resultShown)) {
            if (++wrong <= 10) {
                std::fprintf(stderr,
                             "click %d (%s = \"%s\"): %lld message boxes, steps/mm \"%s\"\n",
                             count_, std::string(cnc::fieldCaption(entry.field)).c_str(),
                             entry.text, static_cast<long long>(boxes),
                             qPrintable(control<QLineEdit>(window_, StepsPerMm)->text()));
            }
        }

        ++count_;
        if (count_ % kSampleEvery == 0) sample();
        if (count_ == clicks_) {
            QCoreApplication::exit(0);
        } else {
            QMetaObject::invokeMethod(this, &ClickRun::click, Qt::QueuedConnection);
        }
    }

    void sample() {
        last = residentBytes();
        if (count_ == warmUp_) baseline = last;
        if (count_ >= warmUp_) highest = std::max(highest, last);
        if (count_ % 10'000 == 0 || count_ == warmUp_) {
            std::printf("%7d clicks  RSS %8.2f MiB\n", count_, static_cast<double>(last) / kMiB);
            std::fflush(stdout);
        }
    }

    cnc::ui::MainWindow& window_;
    cnc::ui::test::ModalWatchdog watchdog_;
    int clicks_;
    int warmUp_;
    int count_ = 0;
};

}  // namespace

int main(int argc, char* argv[]) {
    const int clicks = argc > 1 ? std::atoi(argv[1]) : 100'000;
    if (clicks < 2 * kSampleEvery) {
        std::fprintf(stderr, "usage: window_click_growth [CLICKS >= %d]\n", 2 * kSampleEvery);
        return 2;
    }
    cnc::bench::preferOffscreen();
    QApplication app(argc, argv);
    int wrong = 0;
    double growth = 0;
    {
        const auto window = cnc::bench::openWindow();
        cnc::ui::test::clickOn(control(*window, cnc::Coupling::Belt));  // every entry on screen
        ClickRun run(*window, clicks);
        std::printf("platform %s, %d clicks, good and failing in turn\n",
                    qPrintable(QApplication::platformName()), clicks);
        run.start();
        QApplication::exec();
        wrong = run.wrong;
        growth = static_cast<double>(run.highest - run.baseline) / kMiB;
        std::printf("after the warm-up: RSS %.2f MiB, highest %.2f MiB, at the end %.2f MiB\n",
                    static_cast<double>(run.baseline) / kMiB,
                    static_cast<double>(run.highest) / kMiB, static_cast<double>(run.last) / kMiB);
    }
    std::printf("clicks that went wrong: %d\n", wrong);
#ifdef CNC_UNDER_ASAN
    std::printf("growth after the warm-up: %.2f MiB (not judged under AddressSanitizer)\n", growth);
    const bool grew = false;
#else
    const bool grew = growth > 1.0;
    std::printf("growth after the warm-up: %.2f MiB (target <= 1 MiB, %s)\n", growth,
                grew ? "MISSED" : "met");
#endif
    return wrong == 0 && !grew ? 0 : 1;
}

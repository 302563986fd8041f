// SPDX-License-Identifier: GPL-3.0-or-later
// One "calcola" on the real window, in this process: the time from the mouse
// click on the button to the frame in which all four result texts have been
// painted, with the belt coupling selected so that all four are on screen.
//   window_click_bench [CLICKS]     (per stepping mode; default 1000)
//
// Every click is run from the event loop, as a user's is, and the frame is
// the one the loop paints after it. The motor pulley's teeth alternate
// between clicks, so that every click changes every result; the change of
// entry is painted before the clock starts. Prints the median and the tail in
// microseconds.

#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "open_window.h"
#include "ui/tests/test_support.h"

namespace {

using Clock = std::chrono::steady_clock;
using cnc::ui::test::control;

constexpr int kWarmUp = 100;

double microseconds(Clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

// Runs `clicks` measured clicks (after kWarmUp unmeasured ones) and returns,
// for each, the time to the handler's end and the time to the frame.
class ClickRun : public QObject {
public:
    ClickRun(cnc::ui::MainWindow& window, int clicks) : window_(window), clicks_(clicks) {
        for (cnc::Field result : {cnc::Field::StepsPerMm, cnc::Field::MmPerStep,
                                  cnc::Field::CentreDistance, cnc::Field::CentreDistanceMm}) {
            QLineEdit* box = control<QLineEdit>(window_, result);
            box->installEventFilter(this);
            results_.push_back(box);
        }
        motorPulley_ = control<QLineEdit>(window_, cnc::Field::MotorTeeth);
        guard_.setSingleShot(true);
        QObject::connect(&guard_, &QTimer::timeout, [] {
            std::fprintf(stderr, "a click's results were never painted\n");
            std::exit(1);
        });
    }

    void start() { QMetaObject::invokeMethod(this, &ClickRun::click, Qt::QueuedConnection); }

    std::vector<double> handled;  // click to the end of the handler, µs
    std::vector<double> shown;    // click to the frame with all four results, µs

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && waiting_) {
            painted_ |=
                1u << static_cast<unsigned>(std::find(results_.begin(), results_.end(), watched) -
                                            results_.begin());
            if (painted_ == 0b1111u) {
                waiting_ = false;
                // The frame is flushed in the same call that paints it.
                QMetaObject::invokeMethod(this, &ClickRun::framed, Qt::QueuedConnection);
            }
        }
        return false;
    }

private:
    void click() {
        motorPulley_->setText(count_ % 2 == 0 ? QStringLiteral("17") : QStringLiteral("18"));
        QCoreApplication::sendPostedEvents();  // paint the new entry now
        painted_ = 0;
        waiting_ = true;
        guard_.start(5000);
        start_ = Clock::now();
        cnc::ui::test::clickOn(control(window_, "Command1"));
        handledAt_ = Clock::now();
    }

    void framed() {
        const Clock::time_point end = Clock::now();
        guard_.stop();
        if (count_ >= kWarmUp) {
            handled.push_back(microseconds(handledAt_ - start_));
            shown.push_back(microseconds(end - start_));
        }
        if (++count_ == kWarmUp + clicks_) {
            QCoreApplication::exit(0);
        } else {
            QMetaObject::invokeMethod(this, &ClickRun::click, Qt::QueuedConnection);
        }
    }

    cnc::ui::MainWindow& window_;
    int clicks_;
    int count_ = 0;
    std::vector<QObject*> results_;
    QLineEdit* motorPulley_ = nullptr;
    QTimer guard_;
    unsigned painted_ = 0;
    bool waiting_ = false;
    Clock::time_point start_;
    Clock::time_point handledAt_;
};

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[rank];
}

void report(const char* what, const std::vector<double>& values) {
    std::printf("  %-34s median %7.1f   p90 %7.1f   p99 %7.1f   max %8.1f\n", what,
                percentile(values, 0.5), percentile(values, 0.9), percentile(values, 0.99),
                *std::max_element(values.begin(), values.end()));
}

}  // namespace

int main(int argc, char* argv[]) {
    const int clicks = argc > 1 ? std::atoi(argv[1]) : 1000;
    if (clicks < 1) {
        std::fprintf(stderr, "usage: window_click_bench [CLICKS]\n");
        return 2;
    }
    cnc::bench::preferOffscreen();
    QApplication app(argc, argv);
    const auto window = cnc::bench::openWindow();
    cnc::ui::test::clickOn(control(*window, cnc::Coupling::Belt));

    std::printf("platform %s, %d clicks per stepping mode after %d not counted, in µs\n",
                qPrintable(QApplication::platformName()), clicks, kWarmUp);
    double worstMedian = 0;
    for (cnc::SteppingMode stepping : {cnc::SteppingMode::HalfStep, cnc::SteppingMode::FullStep}) {
        cnc::ui::test::clickOn(control(*window, stepping));
        ClickRun run(*window, clicks);
        run.start();
        QApplication::exec();
        std::printf("%s, belt coupling\n",
                    qPrintable(control<QRadioButton>(*window, stepping)->text()));
        report("click to the handler's end", run.handled);
        report("click to all four results painted", run.shown);
        worstMedian = std::max(worstMedian, percentile(run.shown, 0.5));
    }
    std::printf("median click to results painted: %.1f µs (target < 1000 µs, %s)\n", worstMedian,
                worstMedian < 1000 ? "met" : "MISSED");
    return 0;
}

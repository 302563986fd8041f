// SPDX-License-Identifier: GPL-3.0-or-later
// Loaded with LD_PRELOAD into a Qt Widgets program that is being timed, so
// that the program itself stays exactly as users run it. When the first
// top-level widget has been painted and handed to the platform, it writes
//   <CLOCK_MONOTONIC nanoseconds> <VmHWM in KiB>\n
// to the file descriptor named by CNC_FIRST_FRAME_FD and ends the process at
// once. Without that variable it does nothing.
//
// The hook is Qt's start-up routine list: the routine runs inside the
// QCoreApplication constructor, before main() builds any window.

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

// The process's peak resident set so far, in KiB; -1 if unknown.
long long peakResidentKib() {
    FILE* status = std::fopen("/proc/self/status", "r");
    if (status == nullptr) return -1;
    char line[256];
    long long kib = -1;
    while (std::fgets(line, sizeof line, status) != nullptr) {
        if (std::strncmp(line, "VmHWM:", 6) == 0) {
            kib = std::strtoll(line + 6, nullptr, 10);
            break;
        }
    }
    std::fclose(status);
    return kib;
}

class FirstFrameProbe : public QObject {
public:
    FirstFrameProbe(int fd, QObject* parent) : QObject(parent), fd_(fd) {}

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint && receiver->isWidgetType() &&
            static_cast<QWidget*>(receiver)->isWindow()) {
            seen_ = true;
            // The window's paint event comes first; its children are painted
            // and the frame is flushed to the platform in the same call. A
            // queued call runs once all of that has returned.
            QMetaObject::invokeMethod(this, &FirstFrameProbe::report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void report() {
        const long long at = monotonicNanoseconds();
        char line[64];
        const int length = std::snprintf(line, sizeof line, "%lld %lld\n", at, peakResidentKib());
        if (length > 0 && ::write(fd_, line, static_cast<size_t>(length)) != length) _exit(3);
        // Nothing after the first frame is measured; skip the teardown.
        _exit(0);
    }

    int fd_;
    bool seen_ = false;
};

void installProbe() {
    const char* fd = std::getenv("CNC_FIRST_FRAME_FD");
    if (fd == nullptr || *fd == '\0') return;
    auto* app = QCoreApplication::instance();
    app->installEventFilter(new FirstFrameProbe(std::atoi(fd), app));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)

#include "PauseTimer.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <cstdint>
#include <ctime>

namespace {

// steady_clock is CLOCK_MONOTONIC on Linux, so its count converts directly.
timespec toTimespec(PauseTimer::Clock::time_point t) {
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(t.time_since_epoch()).count();
    timespec ts{};
    if (ns <= 0) {
        ts.tv_nsec = 1;  // zero would disarm the timer
        return ts;
    }
    ts.tv_sec = static_cast<time_t>(ns / 1000000000);
    ts.tv_nsec = static_cast<long>(ns % 1000000000);
    if (ts.tv_sec == 0 && ts.tv_nsec == 0) ts.tv_nsec = 1;
    return ts;
}

}  // namespace

PauseTimer::PauseTimer(QObject* parent) : QObject(parent) {
    fd_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fd_ >= 0) {
        notifier_ = new QSocketNotifier(static_cast<qintptr>(fd_), QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, &PauseTimer::onReadable);
    } else {
        useFallback();
    }
}

PauseTimer::~PauseTimer() {
    if (notifier_) notifier_->setEnabled(false);
    if (fd_ >= 0) ::close(fd_);
}

void PauseTimer::Arm(Clock::time_point deadline) {
    if (fd_ >= 0) {
        itimerspec setting{};
        setting.it_value = toTimespec(deadline);
        if (timerfd_settime(fd_, TFD_TIMER_ABSTIME, &setting, nullptr) == 0) return;
        // Unarmed, the timerfd would never fire and a wait on it never end.
        useFallback();
    }
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    fallback_->start(static_cast<int>(left < 0 ? 0 : left));
}

void PauseTimer::Disarm() {
    if (fd_ >= 0) {
        itimerspec off{};
        if (timerfd_settime(fd_, 0, &off, nullptr) == 0) {
            uint64_t expirations = 0;
            while (::read(fd_, &expirations, sizeof expirations) > 0) {
            }
            return;
        }
        // Still armed, maybe: closing it is sure to silence it.
        useFallback();
    }
    fallback_->stop();
}

void PauseTimer::useFallback() {
    if (notifier_) {
        // Later: this may run inside the notifier's own signal (Fired, then Arm).
        notifier_->setEnabled(false);
        notifier_->deleteLater();
        notifier_ = nullptr;
    }
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (fallback_) return;
    fallback_ = new QTimer(this);
    fallback_->setSingleShot(true);
    fallback_->setTimerType(Qt::PreciseTimer);
    connect(fallback_, &QTimer::timeout, this, &PauseTimer::Fired);
}

void PauseTimer::onReadable() {
    uint64_t expirations = 0;
    if (::read(fd_, &expirations, sizeof expirations) != static_cast<ssize_t>(sizeof expirations)) return;
    if (expirations > 0) emit Fired();
}

#pragma once
// A one-shot timer for an absolute deadline on the monotonic clock, to the
// microsecond: the event loop sleeps until the kernel wakes it (a timerfd),
// so waiting costs no processor time and does not drift. Where no timerfd
// can be had, or the kernel refuses to arm or disarm it, a millisecond timer
// takes over for good, so that a deadline always fires.

#include <QObject>
#include <chrono>

class QSocketNotifier;
class QTimer;

class PauseTimer : public QObject {
    Q_OBJECT
public:
    using Clock = std::chrono::steady_clock;

    explicit PauseTimer(QObject* parent = nullptr);
    ~PauseTimer() override;

    // Fires once at the deadline, at once when it has passed. Re-arming
    // replaces the previous deadline.
    void Arm(Clock::time_point deadline);
    void Disarm();

signals:
    void Fired();

private:
    void onReadable();
    // Gives up the timerfd, if any, for the millisecond timer.
    void useFallback();

    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    QTimer* fallback_ = nullptr;  // without a usable timerfd: millisecond timer, rounded up
};

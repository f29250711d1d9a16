#pragma once
// A one-shot timer for an absolute deadline on the monotonic clock, to the
// microsecond: the event loop sleeps until the kernel wakes it (a timerfd),
// so waiting costs no processor time and does not drift.

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

    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    QTimer* fallback_ = nullptr;  // where no timerfd can be had: millisecond timer, rounded up
};

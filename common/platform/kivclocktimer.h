#pragma once

#include <QObject>
#include <QTimer>

// A single-shot timer that measures its interval on KivClock rather than on
// the event loop's monotonic clock. Holding rules such as the preheat limit
// and the touch window must follow the time the system believes in, so a
// test that moves KivClock on sees them fire without waiting: advancing or
// setting the clock fires every timer that is then due, at once and in the
// order of their deadlines. On the running system clock the timer also wakes
// at least once a second, to notice a clock that the system itself moved.
class KivClockTimer : public QObject
{
    Q_OBJECT

public:
    explicit KivClockTimer(QObject *parent = nullptr);
    ~KivClockTimer() override;

    void setInterval(int msecs) { m_interval = msecs; }
    int interval() const { return m_interval; }
    bool isActive() const { return m_active; }
    // Milliseconds left on KivClock until the timer fires (0 when due), or
    // -1 when it is not running, as QTimer::remainingTime() answers.
    int remainingTime() const;

    // KivClock calls this after every move: timers of the calling thread
    // that are due fire before it returns; those of other threads look at
    // the clock from their own event loop.
    static void clockMoved();

public slots:
    void start();
    void start(int msecs);
    void stop();

signals:
    void timeout();

private slots:
    void check();

private:
    void scheduleNextCheck();
    void setActive(bool active);

    QTimer m_wake;
    int m_interval = 0;
    qint64 m_deadline = 0;
    quint64 m_startOrder = 0;
    bool m_active = false;
};

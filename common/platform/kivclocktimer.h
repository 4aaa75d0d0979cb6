#pragma once

#include <QObject>
#include <QTimer>

// A single-shot timer that measures its interval on KivClock rather than on
// the event loop's monotonic clock. Holding rules such as the preheat limit
// and the touch window must follow the time the system believes in, so a
// test that moves KivClock on sees them fire without waiting. The timer
// wakes at the expected moment, but at least once a second, to notice a
// clock that was moved.
class KivClockTimer : public QObject
{
    Q_OBJECT

public:
    explicit KivClockTimer(QObject *parent = nullptr);

    void setInterval(int msecs) { m_interval = msecs; }
    int interval() const { return m_interval; }
    bool isActive() const { return m_active; }

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

    QTimer m_wake;
    int m_interval = 0;
    qint64 m_deadline = 0;
    bool m_active = false;
};

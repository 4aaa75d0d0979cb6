#pragma once

#include <QStateMachine>

// Base of every manager's state machine. It mirrors the framework's own
// running state into a property that the screens and the tracer can watch.
class TarnStateMachine : public QStateMachine
{
    Q_OBJECT
    Q_PROPERTY(bool isRunning READ isRunning NOTIFY isRunningChanged)

public:
    explicit TarnStateMachine(QObject *parent = nullptr);

signals:
    void isRunningChanged(bool running);

public slots:
    // Both emit on every call, whether or not the value changed: listeners
    // count starts and stops, not transitions of the flag.
    void set_isRunningTrue();
    void set_isRunningFalse();

private:
    bool m_running = false;
};

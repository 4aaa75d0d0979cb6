#pragma once

#include <QObject>

class QSocketNotifier;

// Carries the quit request of SIGTERM (and of a SIGSEGV sent by kill) out of
// the signal handler: the handler only writes a byte to a pipe, and the event
// loop reads it and quits. Every other catchable signal is ignored, except
// SIGCHLD, which QProcess needs for its own bookkeeping. A memory fault
// raised by the kernel cannot be resumed: the handler writes one line,
// restores the default action and re-raises.
class SignalQuit : public QObject
{
    Q_OBJECT

public:
    explicit SignalQuit(QObject *parent = nullptr);
    ~SignalQuit() override;

    // Installs the handler for signals 1 to 31. Returns false if the pipe
    // could not be made (the handler is then not installed).
    bool install();

signals:
    void quitRequested(int signal);

private slots:
    void readPipe();

private:
    QSocketNotifier *m_notifier = nullptr;
};

// The handler's decision for a signal number: true when it asks to quit.
bool signalRequestsQuit(int signal);
void mainSignalHandler(int signal);
